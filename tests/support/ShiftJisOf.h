#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace pivlon::testing {

// The code page 932 bytes of a readable UTF-8 text, converted independently
// of the program, so tests can check the Shift-JIS texts the program holds.
inline std::string ShiftJisOf(std::string_view utf8) {
    iconv_t convert = iconv_open("CP932", "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no CP932 converter");
    std::string input(utf8);
    std::string output(input.size() * 2 + 1, '\0');
    char* in = input.data();
    char* out = output.data();
    size_t inLeft = input.size();
    size_t outLeft = output.size();
    const size_t converted = iconv(convert, &in, &inLeft, &out, &outLeft);
    iconv_close(convert);
    if (converted == static_cast<size_t>(-1))
        throw std::runtime_error("not convertible to CP932");
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace pivlon::testing
