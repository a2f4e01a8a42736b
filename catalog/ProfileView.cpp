#include "catalog/ProfileView.h"

#include <algorithm>

#include "catalog/SectionIndex.h"
#include "catalog/ShiftJis.h"

namespace pivlon {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

}  // namespace

std::vector<std::string> ProfileView::SectionNames() const {
    if (sections_)
        return sections_->Names();
    std::vector<std::string> names;
    for (auto header = NextSection(0); header; header = NextSection(header->next)) {
        if (!header->name.empty())
            names.emplace_back(header->name);
    }
    return names;
}

std::string ProfileView::ReadString(std::string_view section, std::string_view key,
                                    std::size_t bufferSize) const {
    const std::optional<std::string_view> value = FindValue(section, key);
    if (!value || bufferSize == 0)
        return {};
    return std::string(sjis::CutToWholeChars(*value, bufferSize - 1));
}

std::uint32_t ProfileView::ReadInt(std::string_view section, std::string_view key,
                                   std::uint32_t defaultValue) const {
    const std::optional<std::string_view> value = FindValue(section, key);
    if (!value || value->empty())
        return defaultValue;
    return ParseWholeNumber(*value);
}

std::size_t ProfileView::ContentStart() const {
    return bytes_.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

std::optional<ProfileLine> ProfileView::FindSection(std::string_view section) const {
    if (sections_) {
        const std::size_t start = sections_->FindHeader(section);
        if (start == std::string_view::npos)
            return std::nullopt;
        return ParseProfileLine(bytes_, start);
    }
    for (auto header = NextSection(0); header; header = NextSection(header->next)) {
        if (SameName(header->name, section))
            return header;
    }
    return std::nullopt;
}

std::vector<ProfileLine> ProfileView::SectionBody(const ProfileLine& header) const {
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

std::optional<ProfileLine> ProfileView::NextSection(std::size_t from) const {
    const std::size_t contentStart = ContentStart();
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

std::optional<std::string_view> ProfileView::FindValue(std::string_view section,
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

const ProfileLine* FindEntry(const std::vector<ProfileLine>& body, std::string_view key) {
    for (const ProfileLine& line : body) {
        if (line.kind == ProfileLine::Kind::Entry && SameName(line.name, key))
            return &line;
    }
    return nullptr;
}

}  // namespace pivlon
