#pragma once

#include <string>
#include <string_view>

namespace pivlon {

// The bytes a text-mode file holds for `text`: every line feed becomes
// carriage return and line feed; nothing else changes and nothing is added.
std::string ToTextMode(std::string_view text);

}  // namespace pivlon
