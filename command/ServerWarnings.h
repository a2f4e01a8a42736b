#pragma once

#include <span>
#include <string_view>

#include "command/CommandOperation.h"
#include "command/CommandRequest.h"

namespace pivlon {

// When a mail that Pivlon composes does not do on the real server what its
// operation intends, as the servers' own command parsers showed (FML 4.0,
// fml 8, Majordomo 1.94.5, Majordomo 2). The mails stay as they are; these are
// what a front end can tell the user. Texts are plain ASCII.
struct ServerWarning {
    int serverType;
    CommandOperation operation;
    enum class When { always, withSpecifyAddress, withoutSpecifyAddress } when;
    std::string_view condition;   // the case, as the table shows it
    std::string_view serverDoes;  // what the server does with the mail
    std::string_view doInstead;   // what the user should do
};

std::span<const ServerWarning> ServerWarnings();

// Whether the warning concerns this family and operation, and the request fits its case.
bool Applies(const ServerWarning& warning, int serverType, CommandOperation operation,
             const CommandRequest& request);

}  // namespace pivlon
