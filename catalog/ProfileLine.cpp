#include "catalog/ProfileLine.h"

#include <cstring>

#include "catalog/ShiftJis.h"

namespace pivlon {
namespace {

std::string_view CutAtNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

bool IsLineBreak(char byte) {
    return byte == '\r' || byte == '\n';
}

std::size_t LeadingBlanks(std::string_view text) {
    std::size_t count = 0;
    while (count < text.size() && IsBlank(text[count]))
        ++count;
    return count;
}

// A header's name runs to the last ']' of the line; a '[' without one is no header.
// A NUL ends the name, and the blanks before it go too: a name ending in a blank
// would be saved as a header that reads back without it, and never be found again.
bool ParseHeader(std::string_view content, ProfileLine& line) {
    if (content.front() != '[')
        return false;
    const std::size_t close = sjis::FindLastChar(content, ']');
    if (close == std::string_view::npos)
        return false;
    line.kind = ProfileLine::Kind::Section;
    line.name = TrimBlanks(CutAtNul(content.substr(1, close - 1)));
    return true;
}

void ParseEntry(std::string_view content, std::size_t contentStart, ProfileLine& line) {
    line.kind = ProfileLine::Kind::Entry;
    const std::size_t equals = sjis::FindFirstChar(content, '=');
    const std::string_view key = TrimBlanks(content.substr(0, equals));
    line.keyEnd = contentStart + key.size();
    line.name = CutAtNul(key);
    if (equals != std::string_view::npos)
        line.value = CutAtNul(TrimBlanks(content.substr(equals + 1)));
}

}  // namespace

bool IsBlank(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

std::string_view TrimBlanks(std::string_view text) {
    text.remove_prefix(LeadingBlanks(text));
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

ProfileLine ParseProfileLine(std::string_view bytes, std::size_t start) {
    ProfileLine line;
    line.start = start;
    line.end = start;
    while (line.end < bytes.size() && !IsLineBreak(bytes[line.end]))
        ++line.end;
    line.next = line.end;
    if (line.next < bytes.size())
        line.next += bytes.substr(line.next, 2) == "\r\n" ? 2 : 1;
    const std::string_view text = bytes.substr(start, line.end - start);
    const std::string_view content = TrimBlanks(text);
    if (content.empty())
        return line;
    if (!ParseHeader(content, line))
        ParseEntry(content, start + LeadingBlanks(text), line);
    return line;
}

// Most lines of a file are entries: jumping from '[' to '[' passes them at the speed
// of memchr. A '[' with nothing but blanks before it on its line cannot be a trail
// byte, since a blank is never a lead byte.
std::size_t FindBracketLine(std::string_view bytes, std::size_t from, std::size_t contentStart) {
    while (from < bytes.size()) {
        const void* found = std::memchr(bytes.data() + from, '[', bytes.size() - from);
        if (found == nullptr)
            return std::string_view::npos;
        const std::size_t bracket = static_cast<const char*>(found) - bytes.data();
        std::size_t lineStart = bracket;
        while (lineStart > contentStart && IsBlank(bytes[lineStart - 1]) &&
               !IsLineBreak(bytes[lineStart - 1])) {
            --lineStart;
        }
        if (lineStart == contentStart || IsLineBreak(bytes[lineStart - 1]))
            return lineStart;
        from = bracket + 1;
    }
    return std::string_view::npos;
}

}  // namespace pivlon
