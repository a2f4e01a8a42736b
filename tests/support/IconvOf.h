#pragma once

#include <iconv.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pivlon::testing {

// The bytes iconv makes of `text`, independently of the program's own conversions;
// none when iconv cannot convert it. A converter glibc lacks fails the test run.
inline std::optional<std::string> IconvOf(const char* to, const char* from,
                                          std::string_view text) {
    iconv_t convert = iconv_open(to, from);
    if (convert == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no converter from ") + from + " to " + to);
    std::string input(text);
    std::string output(input.size() * 4 + 8, '\0');
    char* in = input.data();
    char* out = output.data();
    size_t inLeft = input.size();
    size_t outLeft = output.size();
    const size_t converted = iconv(convert, &in, &inLeft, &out, &outLeft);
    iconv_close(convert);
    if (converted == static_cast<size_t>(-1))
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace pivlon::testing
