#include "catalog/ShiftJis.h"

#include <algorithm>

namespace pivlon::sjis {
namespace {

bool IsTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC;
}

char FoldedByte(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
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

// Folding changes only 'A'-'Z', so two texts whose first different bytes are not the
// same letter in two cases differ however their characters fall. Otherwise each byte is
// folded by its own text's character boundaries.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    const auto [differentA, differentB] = std::mismatch(a.begin(), a.end(), b.begin());
    if (differentA == a.end())
        return true;
    if (FoldedByte(*differentA) != FoldedByte(*differentB))
        return false;
    std::size_t nextCharA = 0;
    std::size_t nextCharB = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char byteA = a[i];
        char byteB = b[i];
        if (i == nextCharA) {
            byteA = FoldedByte(byteA);
            nextCharA += CharLengthAt(a, i);
        }
        if (i == nextCharB) {
            byteB = FoldedByte(byteB);
            nextCharB += CharLengthAt(b, i);
        }
        if (byteA != byteB)
            return false;
    }
    return true;
}

std::string FoldAsciiCase(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); i += CharLengthAt(folded, i))
        folded[i] = FoldedByte(folded[i]);
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
