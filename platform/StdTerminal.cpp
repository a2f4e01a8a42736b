#include "platform/StdTerminal.h"

#include <iconv.h>
#include <langinfo.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace pivlon {
namespace {

bool IsUtf8OrAscii(const char* codeset) {
    return std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "ANSI_X3.4-1968") == 0;
}

// The text in the locale's character set; false for a character it lacks.
bool InLocaleCodeset(std::string_view utf8, std::string& bytes) {
    const char* codeset = nl_langinfo(CODESET);
    if (IsUtf8OrAscii(codeset)) {
        bytes = utf8;
        return true;
    }
    iconv_t convert = iconv_open(codeset, "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string input(utf8);
    bytes.assign(input.size() * 4 + 16, '\0');
    char* in = input.data();
    char* out = bytes.data();
    size_t inLeft = input.size();
    size_t outLeft = bytes.size();
    const size_t result = iconv(convert, &in, &inLeft, &out, &outLeft);
    iconv_close(convert);
    bytes.resize(bytes.size() - outLeft);
    return result != static_cast<size_t>(-1);
}

}  // namespace

bool StdTerminal::WriteText(OutputStream stream, std::string_view utf8) {
    std::string bytes;
    if (!InLocaleCodeset(utf8, bytes))
        return false;
    std::fwrite(bytes.data(), 1, bytes.size(),
                stream == OutputStream::standardOutput ? stdout : stderr);
    return true;
}

void StdTerminal::WriteBytes(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

}  // namespace pivlon
