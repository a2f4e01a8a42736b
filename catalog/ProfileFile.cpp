#include "catalog/ProfileFile.h"

#include <utility>

#include "catalog/ShiftJis.h"

namespace pivlon {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// What a written value can hold: nothing from its first line break (or NUL) on,
// and no leading blanks, which a read would drop anyway.
std::string_view CleanValue(std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    while (!value.empty() && IsBlank(value.front()))
        value.remove_prefix(1);
    return value;
}

// A name ending in a lone lead byte would take the closing ']' as its trail byte, and
// the header would be lost; a blank between them keeps it, and every read drops it.
std::string HeaderText(std::string_view section) {
    std::string text = "[" + std::string(section) + "]";
    if (sjis::FindLastChar(text, ']') != text.size() - 1)
        text.insert(text.size() - 1, " ");
    return text + std::string(kLineBreak);
}

std::string EntryText(std::string_view key, std::string_view value) {
    std::string text(key);
    text += '=';
    text += value;
    text += kLineBreak;
    return text;
}

}  // namespace

ProfileFile::ProfileFile(std::string bytes) : bytes_(std::move(bytes)) {}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    value = CleanValue(value);
    const ProfileView view = View();
    const std::optional<ProfileLine> header = view.FindSection(section);
    if (!header) {
        AppendSection(section, key, value);
        return;
    }
    const std::vector<ProfileLine> body = view.SectionBody(*header);
    if (const ProfileLine* entry = FindEntry(body, key)) {
        ReplaceValue(*entry, value);
    } else {
        AppendKey(*header, body, key, value);
    }
}

// The key keeps its stored spelling and everything before it on the line; the
// stored value is compared as the service compares it, before quotes are dropped.
void ProfileFile::ReplaceValue(const ProfileLine& line, std::string_view value) {
    if (line.value == value)
        return;
    bytes_.replace(line.keyEnd, line.end - line.keyEnd, "=" + std::string(value));
}

// After the section's last line that is not blank, so that blank lines stay
// between this section and the next.
void ProfileFile::AppendKey(const ProfileLine& header, const std::vector<ProfileLine>& body,
                            std::string_view key, std::string_view value) {
    const ProfileLine* last = &header;
    for (const ProfileLine& line : body) {
        if (line.kind != ProfileLine::Kind::Blank)
            last = &line;
    }
    const std::string prefix = last->next == last->end ? std::string(kLineBreak) : std::string();
    bytes_.insert(last->next, prefix + EntryText(key, value));
}

void ProfileFile::AppendSection(std::string_view section, std::string_view key,
                                std::string_view value) {
    const bool unfinished =
        bytes_.size() > View().ContentStart() && bytes_.back() != '\r' && bytes_.back() != '\n';
    if (unfinished)
        bytes_ += kLineBreak;
    bytes_ += HeaderText(section);
    bytes_ += EntryText(key, value);
}

}  // namespace pivlon
