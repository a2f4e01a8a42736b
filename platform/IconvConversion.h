#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pivlon {

// The text converted by iconv from one character set to another, whole; none when
// iconv has no such conversion or the text holds a character it cannot convert.
std::optional<std::string> ConvertWithIconv(const char* to, const char* from,
                                            std::string_view text);

}  // namespace pivlon
