#pragma once

#include <string>
#include <vector>

#include "cli/CliPlatform.h"
#include "cli/MailOptions.h"

namespace pivlon::cli {

struct ComposedMail {
    std::string mailText;               // Shift-JIS, line feeds, as the window program composes it
    std::vector<std::string> warnings;  // UTF-8, one line each: what the server will do
};

// The command mail of the options' list and operation, composed by the core as
// the window program composes it. Bad input ends the subcommand (CliFailure).
ComposedMail ComposeMail(const MailOptions& options, const CliPlatform& platform);

}  // namespace pivlon::cli
