#include "platform/TextMode.h"

namespace pivlon {

std::string ToTextMode(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

}  // namespace pivlon
