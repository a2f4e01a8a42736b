#pragma once

namespace pivlon {

// What a command mail asks of a list server. tables/Operations.h holds one row for each.
enum class CommandOperation {
    Join,
    Leave,
    Pause,
    Resume,
    ChangeAddress,
    DigestJoin,
    DigestLeave,
    Help,
    Index,
    Get,
};

}  // namespace pivlon
