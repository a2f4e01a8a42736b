#pragma once

#include <string>
#include <vector>

#include "cli/CliPlatform.h"

namespace pivlon::cli {

// Runs pivlon-cli with its arguments (UTF-8, the program name first) and
// returns its exit status (cli/ExitStatus.h).
int RunPivlonCli(const std::vector<std::string>& arguments, const CliPlatform& platform);

}  // namespace pivlon::cli
