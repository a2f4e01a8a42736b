#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "command/CommandOperation.h"

namespace pivlon::cli {

// The operations as the command line names them: join, leave, pause, resume,
// change-address, digest-join, digest-leave, help, index, get.
std::string_view NameOf(CommandOperation operation);
std::optional<CommandOperation> OperationNamed(std::string_view name);
// All names, in the order of CommandOperation, separated by blanks.
std::string AllOperationNames();

}  // namespace pivlon::cli
