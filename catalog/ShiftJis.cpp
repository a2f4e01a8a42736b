#include "catalog/ShiftJis.h"

namespace pivlon::sjis {
namespace {

bool IsTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC;
}

}  // namespace

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t CharLengthAt(std::string_view text, std::size_t position) {
    const bool pair = IsLeadByte(static_cast<unsigned char>(text[position])) &&
                      position + 1 < text.size() &&
                      IsTrailByte(static_cast<unsigned char>(text[position + 1]));
    return pair ? 2 : 1;
}

// A wanted byte below 0x80 is never a lead byte, so a match at a character's start
// is a character of its own.
std::size_t FindFirstChar(std::string_view text, char wanted) {
    for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
        if (text[i] == wanted)
            return i;
    }
    return std::string_view::npos;
}

std::size_t FindLastChar(std::string_view text, char wanted) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
        if (text[i] == wanted)
            found = i;
    }
    return found;
}

std::string FoldAsciiCase(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); i += CharLengthAt(folded, i)) {
        if (folded[i] >= 'A' && folded[i] <= 'Z')
            folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
    }
    return folded;
}

std::string_view CutToWholeChars(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size() && end + CharLengthAt(text, end) <= maxBytes) {
        end += CharLengthAt(text, end);
    }
    return text.substr(0, end);
}

}  // namespace pivlon::sjis
