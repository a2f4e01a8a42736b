#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pivlon {

// The parts of an addr-spec, split at its last '@'.
struct AddressParts {
    std::string_view local;
    std::string_view domain;
};

// The addr-spec of the first mailbox of an address header: the one between angle
// brackets when there are any, quoted display names and comments in parentheses
// left aside. nullopt when it holds no local part, '@' and domain.
std::optional<std::string> FirstAddress(std::string_view value);

std::optional<AddressParts> SplitAddress(std::string_view address);

}  // namespace pivlon
