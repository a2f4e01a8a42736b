#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pivlon {

// The text with each escape byte and two hexadecimal digits after it ("%20" in
// URIs, "=20" in Q-encoded words) replaced by that octet; nullopt when an escape
// byte is not followed by two such digits.
std::optional<std::string> DecodeHexEscapes(std::string_view text, char escape);

}  // namespace pivlon
