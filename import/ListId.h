#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pivlon {

// A List-Id field (RFC 2919): an optional description, then the list's label in
// angle brackets. fml 4 writes the label bare (kern/libkernsubr2.pl, EmulRFC2369:
// "$MAIL_LIST" with '@' made '.'), which is read as a label without description.
struct ListId {
    std::string description;  // a quoted string unquoted; encoded words still encoded
    std::string label;
};

std::optional<ListId> ParseListId(std::string_view value);

// The list's own name in a label: its part before the first dot, as in
// "elena.example.jp" for the list elena@example.jp.
std::string_view ListNameOfLabel(std::string_view label);

}  // namespace pivlon
