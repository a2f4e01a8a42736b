#include "import/MailHeader.h"

#include <algorithm>

#include "catalog/ProfileLine.h"
#include "catalog/ShiftJis.h"

namespace pivlon {
namespace {

bool IsHeaderBlank(char byte) {
    return byte == ' ' || byte == '\t';
}

// HT and the line-end bytes are text; ESC opens the double-byte runs of raw
// ISO-2022-JP, which old Japanese mailers wrote into headers unencoded.
bool IsControlByte(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n' && byte != 0x1B) ||
           byte == 0x7F;
}

// Printable ASCII other than the colon (RFC 5322 ftext).
bool IsFieldNameByte(unsigned char byte) {
    return byte >= 33 && byte <= 126 && byte != ':';
}

// The lines of the text, each without its line end.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

// "Name: value", blanks allowed before the colon as the obsolete syntax has them.
std::optional<HeaderField> ParseFieldLine(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    std::string_view name = line.substr(0, colon);
    while (!name.empty() && IsHeaderBlank(name.back()))
        name.remove_suffix(1);
    if (name.empty() || !std::all_of(name.begin(), name.end(), [](char byte) {
            return IsFieldNameByte(static_cast<unsigned char>(byte));
        }))
        return std::nullopt;
    return HeaderField{std::string(name), std::string(line.substr(colon + 1))};
}

bool IsBlankLine(std::string_view line) {
    return TrimBlanks(line).empty();
}

}  // namespace

const HeaderField* HeaderBlock::Find(std::string_view name) const {
    const auto found =
        std::find_if(fields_.begin(), fields_.end(), [name](const HeaderField& field) {
            return sjis::EqualIgnoringAsciiCase(field.name, name);
        });
    return found == fields_.end() ? nullptr : &*found;
}

MailReading ReadHeaderBlock(std::string_view mail) {
    // Text mail never holds a NUL: binary parts travel encoded.
    if (mail.find('\0') != std::string_view::npos)
        return {std::nullopt, NotAMail::Binary};
    const std::vector<std::string_view> lines = SplitLines(mail);
    if (std::all_of(lines.begin(), lines.end(), IsBlankLine))
        return {std::nullopt, NotAMail::Empty};
    std::size_t first = 0;
    if (!lines.empty() && lines[0].starts_with("From "))
        first = 1;
    std::vector<HeaderField> fields;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (std::any_of(line.begin(), line.end(),
                        [](char byte) { return IsControlByte(static_cast<unsigned char>(byte)); }))
            return {std::nullopt, NotAMail::Binary};
        if (line.empty())
            break;
        if (IsHeaderBlank(line.front()) && !fields.empty()) {
            fields.back().value += line;
            continue;
        }
        std::optional<HeaderField> field = ParseFieldLine(line);
        if (!field)
            break;
        fields.push_back(std::move(*field));
    }
    if (fields.empty())
        return {std::nullopt, NotAMail::NoHeaderBlock};
    for (HeaderField& field : fields)
        field.value = std::string(TrimBlanks(field.value));
    return {HeaderBlock(std::move(fields)), std::nullopt};
}

}  // namespace pivlon
