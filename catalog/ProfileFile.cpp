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
    return sjis::FoldAsciiCase(stored) == sjis::FoldAsciiCase(wanted);
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

std::string EntryText(std::string_view key, std::string_view value) {
    std::string text(key);
    text += '=';
    text += value;
    text += kLineBreak;
    return text;
}

}  // namespace

ProfileFile::ProfileFile(std::string bytes) : bytes_(std::move(bytes)) {
    Parse();
}

ProfileFile ProfileFile::Load(ProfileStore& store, const std::string& path) {
    return ProfileFile(store.Read(path).value_or(std::string()));
}

std::vector<std::string> ProfileFile::SectionNames() const {
    std::vector<std::string> names;
    for (const ProfileLine& line : lines_) {
        if (line.kind == ProfileLine::Kind::Section && !line.name.empty()) {
            names.push_back(line.name);
        }
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
    const std::optional<std::size_t> header = FindSection(section);
    if (!header) {
        AppendSection(section, key, value);
    } else if (const std::optional<std::size_t> entry = FindKey(*header, key)) {
        ReplaceValue(lines_[*entry], value);
    } else {
        AppendKey(*header, key, value);
    }
    Parse();
}

// Lines before the first header belong to no section and are never found.
std::optional<std::size_t> ProfileFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == ProfileLine::Kind::Section && SameName(lines_[i].name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && lines_[end].kind != ProfileLine::Kind::Section)
        ++end;
    return end;
}

std::optional<std::size_t> ProfileFile::FindKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < SectionEnd(header); ++i) {
        if (lines_[i].kind == ProfileLine::Kind::Entry && SameName(lines_[i].name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> ProfileFile::FindValue(std::string_view section,
                                                       std::string_view key) const {
    const std::optional<std::size_t> header = FindSection(section);
    if (!header)
        return std::nullopt;
    const std::optional<std::size_t> entry = FindKey(*header, key);
    if (!entry || !lines_[*entry].value)
        return std::nullopt;
    return DropMatchingQuotes(*lines_[*entry].value);
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
void ProfileFile::AppendKey(std::size_t header, std::string_view key, std::string_view value) {
    std::size_t last = header;
    for (std::size_t i = header + 1; i < SectionEnd(header); ++i) {
        if (lines_[i].kind != ProfileLine::Kind::Blank)
            last = i;
    }
    const ProfileLine& line = lines_[last];
    const std::string prefix = line.next == line.end ? std::string(kLineBreak) : std::string();
    bytes_.insert(line.next, prefix + EntryText(key, value));
}

void ProfileFile::AppendSection(std::string_view section, std::string_view key,
                                std::string_view value) {
    const bool unfinished =
        bytes_.size() > ContentStart(bytes_) && bytes_.back() != '\r' && bytes_.back() != '\n';
    if (unfinished)
        bytes_ += kLineBreak;
    bytes_ += '[';
    bytes_ += section;
    bytes_ += ']';
    bytes_ += kLineBreak;
    bytes_ += EntryText(key, value);
}

// Lines end at CR LF, at CR alone or at LF alone; neither byte can be a trail byte.
void ProfileFile::Parse() {
    lines_.clear();
    std::size_t start = ContentStart(bytes_);
    while (start < bytes_.size()) {
        const std::size_t end = std::min(bytes_.find_first_of("\r\n", start), bytes_.size());
        std::size_t next = end;
        if (next < bytes_.size())
            next += bytes_.compare(next, 2, kLineBreak) == 0 ? 2 : 1;
        lines_.push_back(ParseProfileLine(bytes_, start, end, next));
        start = next;
    }
}

}  // namespace pivlon
