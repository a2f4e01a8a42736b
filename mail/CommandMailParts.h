#pragma once

#include <optional>
#include <string_view>

namespace pivlon {

// A composed command mail taken apart: the texts after "TO: " and "Subject: ",
// and the body after the empty line, line feeds as in memory. Views into the mail.
struct CommandMailParts {
    std::string_view to;
    std::string_view subject;
    std::string_view body;
};

// nullopt for a text that is not a composed mail.
std::optional<CommandMailParts> SplitCommandMail(std::string_view mailText);

}  // namespace pivlon
