#pragma once

#include <string>

#include "cli/ExitStatus.h"

namespace pivlon::cli {

// Ends a subcommand: one line on standard error, nothing on standard output.
struct CliFailure {
    ExitStatus status;
    std::string message;  // UTF-8
};

}  // namespace pivlon::cli
