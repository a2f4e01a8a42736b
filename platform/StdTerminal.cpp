#include "platform/StdTerminal.h"

#include <langinfo.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "platform/IconvConversion.h"

namespace pivlon {
namespace {

bool IsUtf8OrAscii(const char* codeset) {
    return std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "ANSI_X3.4-1968") == 0;
}

// The text in the locale's character set; none for a character it lacks.
std::optional<std::string> InLocaleCodeset(std::string_view utf8) {
    const char* codeset = nl_langinfo(CODESET);
    if (IsUtf8OrAscii(codeset))
        return std::string(utf8);
    return ConvertWithIconv(codeset, "UTF-8", utf8);
}

}  // namespace

bool StdTerminal::WriteText(OutputStream stream, std::string_view utf8) {
    const std::optional<std::string> bytes = InLocaleCodeset(utf8);
    if (!bytes)
        return false;
    std::fwrite(bytes->data(), 1, bytes->size(),
                stream == OutputStream::standardOutput ? stdout : stderr);
    return true;
}

void StdTerminal::WriteBytes(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

}  // namespace pivlon
