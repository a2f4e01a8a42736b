#pragma once

#include <string>
#include <string_view>

#include "platform/Utf8Converter.h"

namespace pivlon::cli {

// The command line's UTF-8 in the core's Shift-JIS and back. A text without a
// form on the other side ends the subcommand (ExitStatus::notConvertible),
// naming `what` the text is.
std::string ShiftJisOf(const Utf8Converter& converter, std::string_view what,
                       std::string_view utf8);
std::string Utf8Of(const Utf8Converter& converter, std::string_view what,
                   std::string_view shiftJis);

}  // namespace pivlon::cli
