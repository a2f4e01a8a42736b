#include "catalog/ProfileFile.h"

#include <algorithm>
#include <utility>

#include "catalog/ShiftJis.h"

namespace pivlon {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineBreak = "\r\n";

std::size_t ContentStart(std::string_view bytes) {
    return bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

bool SameName(std::string_view stored, std::string_view wanted) {
    return sjis::EqualIgnoringAsciiCase(stored, wanted);
}

std::string_view DropMatchingQuotes(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// Like GetPrivateProfileIntA: blanks, a sign, then decimal digits up to the first
// other character, in unsigned arithmetic so that the result wraps modulo 2^32.
std::uint32_t ParseWholeNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::uint32_t number = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        number = number * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    return negative ? 0u - number : number;
}

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

// The first entry of this name: within a section the first key wins.
const ProfileLine* FindEntry(const std::vector<ProfileLine>& body, std::string_view key) {
    for (const ProfileLine& line : body) {
        if (line.kind == ProfileLine::Kind::Entry && SameName(line.name, key))
            return &line;
    }
    return nullptr;
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

ProfileFile ProfileFile::Load(ProfileStore& store, const std::string& path) {
    return ProfileFile(store.Read(path).value_or(std::string()));
}

std::vector<std::string> ProfileFile::SectionNames() const {
    std::vector<std::string> names;
    for (auto header = NextSection(0); header; header = NextSection(header->next)) {
        if (!header->name.empty())
            names.emplace_back(header->name);
    }
    return names;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::size_t bufferSize) const {
    const std::optional<std::string_view> value = FindValue(section, key);
    if (!value || bufferSize == 0)
        return {};
    return std::string(sjis::CutToWholeChars(*value, bufferSize - 1));
}

std::uint32_t ProfileFile::ReadInt(std::string_view section, std::string_view key,
                                   std::uint32_t defaultValue) const {
    const std::optional<std::string_view> value = FindValue(section, key);
    if (!value || value->empty())
        return defaultValue;
    return ParseWholeNumber(*value);
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    value = CleanValue(value);
    const std::optional<ProfileLine> header = FindSection(section);
    if (!header) {
        AppendSection(section, key, value);
        return;
    }
    const std::vector<ProfileLine> body = SectionBody(*header);
    if (const ProfileLine* entry = FindEntry(body, key)) {
        ReplaceValue(*entry, value);
    } else {
        AppendKey(*header, body, key, value);
    }
}

std::optional<ProfileLine> ProfileFile::FindSection(std::string_view section) const {
    for (auto header = NextSection(0); header; header = NextSection(header->next)) {
        if (SameName(header->name, section))
            return header;
    }
    return std::nullopt;
}

std::optional<ProfileLine> ProfileFile::NextSection(std::size_t from) const {
    const std::size_t contentStart = ContentStart(bytes_);
    from = std::max(from, contentStart);
    for (;;) {
        const std::size_t start = FindBracketLine(bytes_, from, contentStart);
        if (start == std::string_view::npos)
            return std::nullopt;
        ProfileLine line = ParseProfileLine(bytes_, start);
        if (line.kind == ProfileLine::Kind::Section)
            return line;
        from = line.next;
    }
}

std::vector<ProfileLine> ProfileFile::SectionBody(const ProfileLine& header) const {
    std::vector<ProfileLine> body;
    for (std::size_t start = header.next; start < bytes_.size();) {
        ProfileLine line = ParseProfileLine(bytes_, start);
        if (line.kind == ProfileLine::Kind::Section)
            break;
        start = line.next;
        body.push_back(line);
    }
    return body;
}

std::optional<std::string_view> ProfileFile::FindValue(std::string_view section,
                                                       std::string_view key) const {
    const std::optional<ProfileLine> header = FindSection(section);
    if (!header)
        return std::nullopt;
    const std::vector<ProfileLine> body = SectionBody(*header);
    const ProfileLine* entry = FindEntry(body, key);
    if (!entry || !entry->value)
        return std::nullopt;
    return DropMatchingQuotes(*entry->value);
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
        bytes_.size() > ContentStart(bytes_) && bytes_.back() != '\r' && bytes_.back() != '\n';
    if (unfinished)
        bytes_ += kLineBreak;
    bytes_ += HeaderText(section);
    bytes_ += EntryText(key, value);
}

}  // namespace pivlon
