#include "tests/differential/ProfileGenerator.h"

#include <algorithm>
#include <string_view>

#include "catalog/ShiftJis.h"

namespace pivlon::differential {
namespace {

constexpr std::string_view kAsciiNames[] = {
    "Name", "key", "MailAddr", "Type", "To", "x", "LIST", "list", "Z", "Item_2", "a.b", "mEmBeRnO"};

// Characters chosen for what their bytes look like, each one that code page 932
// maps to Unicode and back unchanged.
constexpr std::string_view kKatakanaSo = "\x83\x5C";  // "ソ": trail byte '\'
constexpr std::string_view kKatakanaZo = "\x83\x5D";  // "ゾ": trail byte ']'
constexpr std::string_view kKatakanaA = "\x83\x41";   // "ア": trail byte 'A'
constexpr std::string_view kShiftJisNames[] = {
    kKatakanaSo,
    "\x95\x5C",  // "表": trail byte '\'
    "\x83\x5B",  // "ゼ": trail byte '['
    kKatakanaZo,
    "\x83\x7C",  // "ポ": trail byte '|'
    kKatakanaA,
    "\x83\x61",          // "ャ": trail byte 'a'
    "\x83\x5A",          // "セ": trail byte 'Z'
    "\x93\xFA\x96\x7B",  // "日本": trail byte '{'
    "\x8C\xEA",          // "語"
    "\x82\xA0",          // "あ"
    "\x81\x5B",          // "ー"
    "\x87\x40",          // "①"
    "\x82\x60",          // "Ａ": full-width letters are no ASCII letters
    "\x82\x81",          // "ａ"
    "\xB1",              // "ｱ": half-width katakana are single bytes
    "\xC3\xDE\xB0\xC0",  // "ﾃﾞｰﾀ"
};

// A header's name runs to its last ']', so these can only stand in section names.
constexpr std::string_view kHeaderOnlyNames[] = {"a]b", "a=b", "[x"};

constexpr std::string_view kAsciiValues[] = {
    "v", "hello world", "x ; c", "a=b", "C:\\Program Files\\x.exe", "[x]",
    "]", "[",           "#",     "0",   "mail@example.jp",          "a\tb",
};

// "　": a blank to Unicode, but not to the profile service.
constexpr std::string_view kIdeographicSpace = "\x81\x40";

constexpr std::string_view kQuotes[] = {"\"", "'"};

// Lines that look like comments; the profile service knows no comments.
struct CommentLike {
    std::string_view text;
    std::string_view key;
};
constexpr CommentLike kCommentLikeLines[] = {
    {"; comment", "; comment"},
    {"# note = x", "# note"},
    {";k=v", ";k"},
    {"//x=1", "//x"},
    {"=first", ""},
    {"=", ""},
    {"rem", "rem"},
};

constexpr std::string_view kHeaderTails[] = {"", "", "", " ; note", "x", "\t", " [y"};
constexpr std::string_view kPaddings[] = {"", "", "", " ", "\t", "  \t ", "\x0B", "\x0C "};
constexpr std::string_view kLineEnds[] = {"\r\n", "\n", "\r"};
constexpr std::string_view kSigns[] = {"", "", "", "-", "+", "--", "+-", "- "};
constexpr std::string_view kNumberTails[] = {"", "", "", "abc", " 5", ".5", "x1", "b1", "o7", "-"};
constexpr std::string_view kLineBreakTails[] = {"\r\n[Pivlon]\r\nDravex=other.exe", "\n", "\rb",
                                                "\r\n"};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Text(std::string_view text) {
    return std::string(text);
}

void DropFinalLineBreak(std::string& bytes) {
    while (!bytes.empty() && (bytes.back() == '\r' || bytes.back() == '\n'))
        bytes.pop_back();
}

const std::vector<std::string>& AbsentNames() {
    static const std::vector<std::string> names = {
        "nosuch", std::string(kKatakanaSo) + std::string(kKatakanaSo) + std::string(kKatakanaSo)};
    return names;
}

void SortUnique(std::vector<Lookup>& lookups) {
    std::sort(lookups.begin(), lookups.end());
    lookups.erase(std::unique(lookups.begin(), lookups.end()), lookups.end());
}

}  // namespace

GeneratedProfile ProfileGenerator::Next() {
    GeneratedProfile profile;
    section_.clear();
    asciiOnly_ = random_.OneIn(10);
    lineEnd_ = random_.OneIn(4) ? std::string() : Text(random_.Pick(kLineEnds));
    if (asciiOnly_ && !random_.OneIn(3))
        profile.bytes = kByteOrderMark;
    const std::size_t headless = random_.OneIn(4) ? 1 + random_.Below(3) : 0;
    for (std::size_t i = 0; i < headless; ++i)
        profile.bytes += BodyLine(profile);
    const std::size_t sections = random_.Below(7);
    for (std::size_t s = 0; s < sections; ++s) {
        profile.bytes += HeaderLine(profile);
        const std::size_t lines = random_.Below(8);
        for (std::size_t i = 0; i < lines; ++i)
            profile.bytes += BodyLine(profile);
    }
    if (random_.OneIn(5))
        DropFinalLineBreak(profile.bytes);
    AddLookups(profile);
    return profile;
}

std::string ProfileGenerator::WriteName(const std::vector<std::string>& present) {
    if (present.empty() || random_.OneIn(4))
        return Name(false);
    return CaseVariant(random_.Pick(present));
}

std::string ProfileGenerator::WriteValue() {
    std::string value = random_.OneIn(5) ? Padding() + Value() : Value();
    if (random_.OneIn(6))
        value += random_.Pick(kLineBreakTails);
    return value;
}

std::vector<std::string> ProfileGenerator::Sample(const std::vector<std::string>& names,
                                                  std::size_t count) {
    std::vector<std::string> sample;
    for (std::size_t i = 0; i < count && !names.empty(); ++i)
        sample.push_back(random_.Pick(names));
    return sample;
}

std::string ProfileGenerator::Name(bool inHeader) {
    std::string name;
    const std::size_t pieces = 1 + random_.Below(3);
    for (std::size_t i = 0; i < pieces; ++i) {
        if (i > 0 && random_.OneIn(5))
            name += ' ';
        if (inHeader && random_.OneIn(6))
            name += asciiOnly_ || random_.OneIn(2) ? std::string(random_.Pick(kHeaderOnlyNames))
                                                   : std::string(kKatakanaZo) + "]";
        else if (asciiOnly_ || random_.OneIn(2))
            name += random_.Pick(kAsciiNames);
        else
            name += random_.Pick(kShiftJisNames);
    }
    return name;
}

// Flips letters standing as characters of their own; letter-like trail bytes stay.
std::string ProfileGenerator::CaseVariant(const std::string& name) {
    std::string variant = name;
    for (std::size_t i = 0; i < variant.size(); i += sjis::CharLengthAt(variant, i)) {
        const char c = variant[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter && random_.OneIn(2))
            variant[i] = static_cast<char>(c ^ 0x20);
    }
    return variant;
}

// Another name, which only a reader that folds trail bytes would take for this one.
std::string ProfileGenerator::TrailByteVariant(const std::string& name) {
    std::string variant = name;
    for (std::size_t i = 0; i < variant.size(); i += sjis::CharLengthAt(variant, i)) {
        if (sjis::CharLengthAt(variant, i) != 2)
            continue;
        const char trail = variant[i + 1];
        if ((trail >= 'a' && trail <= 'z') || (trail >= 'A' && trail <= 'Z'))
            variant[i + 1] = static_cast<char>(trail ^ 0x20);
    }
    return variant;
}

std::string ProfileGenerator::Value() {
    switch (random_.Below(10)) {
        case 0:
            return {};
        case 1:
        case 2:
            return QuotedValue();
        case 3:
        case 4:
            return WholeNumber();
        case 5:
            return LongValue();
        default:
            return PlainValue();
    }
}

std::string ProfileGenerator::PlainValue() {
    std::string value;
    const std::size_t pieces = 1 + random_.Below(4);
    for (std::size_t i = 0; i < pieces; ++i) {
        if (i > 0 && random_.OneIn(3))
            value += ' ';
        if (asciiOnly_ || random_.OneIn(2))
            value += random_.Pick(kAsciiValues);
        else if (random_.OneIn(8))
            value += kIdeographicSpace;
        else
            value += random_.Pick(kShiftJisNames);
    }
    return value;
}

std::string ProfileGenerator::QuotedValue() {
    const std::string quote = Text(random_.Pick(kQuotes));
    const std::string other = quote == "\"" ? "'" : "\"";
    switch (random_.Below(8)) {
        case 0:
            return quote + quote;
        case 1:
            return quote;
        case 2:
            return quote + PlainValue();
        case 3:
            return PlainValue() + quote;
        case 4:
            return quote + PlainValue() + other;
        case 5:
            return quote + " " + PlainValue() + " " + quote;
        case 6:
            return quote + PlainValue() + quote + PlainValue() + quote;
        default:
            return quote + PlainValue() + quote;
    }
}

// Signs, blanks, junk after the digits and numbers far past 32 bits.
std::string ProfileGenerator::WholeNumber() {
    std::string number = random_.OneIn(6) ? Padding() : std::string();
    number += random_.Pick(kSigns);
    const std::size_t digits = random_.OneIn(5) ? 10 + random_.Below(25) : 1 + random_.Below(9);
    for (std::size_t i = 0; i < digits; ++i)
        number += static_cast<char>('0' + random_.Below(10));
    number += asciiOnly_ || !random_.OneIn(8) ? random_.Pick(kNumberTails) : kKatakanaA;
    if (random_.OneIn(6))
        return "\"" + number + "\"";
    return number;
}

// Long enough to be cut by the buffers of the comparisons, at any byte of a character.
std::string ProfileGenerator::LongValue() {
    const std::size_t length = 100 + random_.Below(600);
    std::string value;
    while (value.size() < length)
        value += PlainValue();
    return value;
}

// A NUL ends the name or value that holds it: what follows is never read.
std::string ProfileGenerator::Hidden() {
    return random_.OneIn(40) ? std::string(1, '\0') + "hidden" : std::string();
}

std::string ProfileGenerator::Padding() {
    return Text(random_.Pick(kPaddings));
}

std::string ProfileGenerator::LineEnd() {
    return lineEnd_.empty() ? Text(random_.Pick(kLineEnds)) : lineEnd_;
}

// Empty names, duplicates in another letter case, blanks inside the brackets, now and
// then a NUL, and text after the closing one.
std::string ProfileGenerator::HeaderLine(GeneratedProfile& profile) {
    std::string name;
    if (random_.OneIn(8))
        name.clear();
    else if (!profile.sections.empty() && random_.OneIn(4))
        name = CaseVariant(random_.Pick(profile.sections));
    else
        name = Name(true);
    if (!name.empty())
        profile.sections.push_back(name);
    section_ = name;
    return Padding() + "[" + Padding() + name + Hidden() + Padding() + "]" +
           Text(random_.Pick(kHeaderTails)) + LineEnd();
}

std::string ProfileGenerator::BodyLine(GeneratedProfile& profile) {
    switch (random_.Below(12)) {
        case 0:
            return Padding() + LineEnd();
        case 1:
        case 2:
            return OddLine(profile);
        default:
            return EntryLine(profile);
    }
}

// Duplicates in another letter case, lines without '=', and now and then a NUL.
std::string ProfileGenerator::EntryLine(GeneratedProfile& profile) {
    const std::string key = !profile.keys.empty() && random_.OneIn(5)
                                ? CaseVariant(random_.Pick(profile.keys))
                                : Name(false);
    AddKey(profile, key);
    std::string line = Padding() + key + Hidden() + Padding();
    if (random_.OneIn(10))
        return line + LineEnd();
    return line + "=" + Padding() + Value() + Hidden() + Padding() + LineEnd();
}

// Comment-like lines, and '[' lines without ']' that stay in their section.
std::string ProfileGenerator::OddLine(GeneratedProfile& profile) {
    if (random_.OneIn(2)) {
        const CommentLike& odd = random_.Pick(kCommentLikeLines);
        if (!odd.key.empty())
            AddKey(profile, Text(odd.key));
        return Padding() + Text(odd.text) + Padding() + LineEnd();
    }
    const std::string key = "[" + Name(false);
    AddKey(profile, key);
    const std::string value = random_.OneIn(2) ? "=" + Value() : std::string();
    return Padding() + key + value + Padding() + LineEnd();
}

void ProfileGenerator::AddKey(GeneratedProfile& profile, const std::string& key) {
    profile.keys.push_back(key);
    if (!section_.empty())
        profile.lookups.push_back({section_, key});
}

void ProfileGenerator::AddLookups(GeneratedProfile& profile) {
    std::vector<Lookup>& lookups = profile.lookups;
    const std::size_t recorded = lookups.size();
    for (std::size_t i = 0; i < recorded; ++i) {
        const Lookup lookup = lookups[i];
        if (random_.OneIn(3))
            lookups.push_back({CaseVariant(lookup.section), CaseVariant(lookup.key)});
        if (random_.OneIn(3))
            lookups.push_back({TrailByteVariant(lookup.section), TrailByteVariant(lookup.key)});
    }
    std::vector<std::string> sections = profile.sections;
    sections.insert(sections.end(), AbsentNames().begin(), AbsentNames().end());
    for (const std::string& section : sections) {
        for (const std::string& key : Sample(profile.keys, 2))
            lookups.push_back({section, key});
        lookups.push_back({section, random_.Pick(AbsentNames())});
        lookups.push_back({section, std::string()});
    }
    SortUnique(lookups);
}

}  // namespace pivlon::differential
