#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Utf8Converter.h"

namespace pivlon {

// An unstructured header text in Shift-JIS: RFC 2047 encoded words (B and Q, in the
// charsets of CharsetToShiftJis) decoded, the blanks between two encoded words
// dropped, and adjacent words of one charset decoded together, since mailers split
// a character across two of them. Text outside encoded words is ASCII, raw
// ISO-2022-JP (old Japanese mailers wrote it unencoded) or UTF-8 (RFC 6532).
// nullopt when any part cannot be decoded whole or holds a character Shift-JIS
// lacks; a "=?" that starts no well-formed encoded word is text.
std::optional<std::string> DecodeHeaderText(std::string_view value, const Utf8Converter& utf8);

}  // namespace pivlon
