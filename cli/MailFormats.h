#pragma once

#include <string>
#include <string_view>

#include "platform/Utf8Converter.h"

namespace pivlon::cli {

// The formats of `compose --format`.
inline constexpr std::string_view kFormats[] = {"text", "raw", "eml", "mailto"};

struct FormattedMail {
    std::string bytes;
    bool isText;  // UTF-8 for the terminal, else bytes written as they are
};

// A composed mail text (Shift-JIS, line feeds) in one of kFormats.
FormattedMail FormatMail(std::string_view format, std::string_view mailText,
                         const Utf8Converter& converter);

// The mail as an RFC 6068 mailto: URI.
std::string MailtoOf(std::string_view mailText, const Utf8Converter& converter);

}  // namespace pivlon::cli
