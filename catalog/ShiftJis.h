#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Walking Shift-JIS (code page 932) text by character. A trail byte can look like
// '[', ']', '\\', '=' or an ASCII letter, so searches and case folding must step
// over whole characters, never over single bytes.
namespace pivlon::sjis {

bool IsLeadByte(unsigned char byte);

// 2 for a lead byte followed by a valid trail byte, else 1: a broken pair counts
// as two single bytes, so a line break after a lone lead byte still ends the line.
std::size_t CharLengthAt(std::string_view text, std::size_t position);

// Position of the first or last character equal to the single byte wanted; npos if none.
std::size_t FindFirstChar(std::string_view text, char wanted);
std::size_t FindLastChar(std::string_view text, char wanted);

// Equal once the ASCII letters that stand as characters of their own are lower-cased
// in each text: a trail byte that looks like a letter is never folded.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);
// The text with those letters lower-cased: two texts are equal ignoring ASCII case
// exactly when their folded forms are equal byte for byte.
std::string FoldAsciiCase(std::string_view text);

// The longest prefix of whole characters no longer than maxBytes.
std::string_view CutToWholeChars(std::string_view text, std::size_t maxBytes);

}  // namespace pivlon::sjis
