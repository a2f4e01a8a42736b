#include "import/HexEscapes.h"

namespace pivlon {
namespace {

std::optional<int> HexDigit(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> DecodeHexEscapes(std::string_view text, char escape) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != escape) {
            decoded += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const std::optional<int> high = HexDigit(text[i + 1]);
        const std::optional<int> low = HexDigit(text[i + 2]);
        if (!high || !low)
            return std::nullopt;
        decoded += static_cast<char>(*high * 16 + *low);
        i += 2;
    }
    return decoded;
}

}  // namespace pivlon
