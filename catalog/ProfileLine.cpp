#include "catalog/ProfileLine.h"

#include "catalog/ShiftJis.h"

namespace pivlon {
namespace {

std::string CutAtNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

std::size_t LeadingBlanks(std::string_view text) {
    std::size_t count = 0;
    while (count < text.size() && IsBlank(text[count]))
        ++count;
    return count;
}

// A header's name runs to the last ']' of the line; a '[' without one is no header.
bool ParseHeader(std::string_view content, ProfileLine& line) {
    if (content.front() != '[')
        return false;
    const std::size_t close = sjis::FindLastChar(content, ']');
    if (close == std::string_view::npos)
        return false;
    line.kind = ProfileLine::Kind::Section;
    line.name = CutAtNul(TrimBlanks(content.substr(1, close - 1)));
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

ProfileLine ParseProfileLine(std::string_view bytes, std::size_t start, std::size_t end,
                             std::size_t next) {
    ProfileLine line;
    line.start = start;
    line.end = end;
    line.next = next;
    const std::string_view text = bytes.substr(start, end - start);
    const std::string_view content = TrimBlanks(text);
    if (content.empty())
        return line;
    if (!ParseHeader(content, line))
        ParseEntry(content, start + LeadingBlanks(text), line);
    return line;
}

}  // namespace pivlon
