#include "mail/Base64.h"

namespace pivlon {

std::string EncodeBase64(std::string_view bytes) {
    constexpr std::string_view kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t start = 0; start < bytes.size(); start += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - start);
        unsigned group = 0;
        for (std::size_t index = 0; index < 3; ++index) {
            const unsigned byte =
                index < count ? static_cast<unsigned char>(bytes[start + index]) : 0;
            group = group << 8 | byte;
        }
        for (std::size_t index = 0; index < 4; ++index) {
            text += index <= count ? kAlphabet[group >> (18 - 6 * index) & 0x3F] : '=';
        }
    }
    return text;
}

}  // namespace pivlon
