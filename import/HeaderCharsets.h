#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Utf8Converter.h"

namespace pivlon {

// Text of a header in a charset Japanese mail uses, in Shift-JIS: ISO-2022-JP and
// EUC-JP by the arithmetic of JIS X 0208, Shift_JIS (and its Windows names) as it is
// once its characters are whole, UTF-8 through the platform, US-ASCII when it is
// ASCII. Charset names are compared without regard to case, an RFC 2231 language
// ("*ja") left aside. nullopt for another charset and for a text that is not whole
// in its own or has a character Shift-JIS lacks: nothing is ever replaced.
std::optional<std::string> CharsetToShiftJis(std::string_view charset, std::string_view bytes,
                                             const Utf8Converter& utf8);

}  // namespace pivlon
