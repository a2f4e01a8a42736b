// A random file and one random write: the file read afresh afterwards holds the value
// as the rules give it back, lists the same sections (plus the new one at the end),
// reads the same for every other key that had a value, and a second identical write
// changes nothing.
// Input: section 0xFF key 0xFF value 0xFF file bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzFields.h"
#include "ProfileModel.h"
#include "catalog/ProfileFile.h"

namespace pivlon::fuzz {
namespace {

constexpr std::size_t kMostKeys = 16;
constexpr std::size_t kWholeValue = std::numeric_limits<std::size_t>::max();

// Names that no stored name can equal, since the reader trims names, ends them at a
// NUL and splits keys at their first '=': a read of them always gives the default.
bool SectionCanBeRead(std::string_view section) {
    return !model::HasLineBreakOrNul(section) && !model::HasBlankEnd(section);
}

bool KeyCanBeRead(std::string_view key) {
    return !model::HasLineBreakOrNul(key) && !model::HasBlankEnd(key) &&
           key.find('=') == std::string_view::npos;
}

// A key's blanks are dropped before a NUL ends it, so a file holding a NUL can store a
// key that ends with a blank, and a write finds it there; a fresh one would be lost.
// Whether such a key is stored is not predicted here.
bool Predictable(std::string_view key, std::string_view file) {
    return file.find('\0') == std::string_view::npos || key.empty() || !model::IsBlank(key.back());
}

// Keys the writer cannot store soundly, as there is no escaping: one that starts a line
// with '[' becomes a section header once the line holds a ']' (in the key or the
// value), and one with a line break adds lines of its own. Our callers write only
// fixed keys; these are left out of the checks, and named in the report.
bool KeyMakesHeader(std::string_view key) {
    const std::string_view trimmed = model::Trim(key);
    return (!trimmed.empty() && trimmed.front() == '[') ||
           key.find_first_of("\r\n") != std::string_view::npos;
}

void CheckWrittenValue(const ProfileFile& after, std::string_view section, std::string_view key,
                       std::string_view value) {
    const std::string_view expected = SectionCanBeRead(section) && KeyCanBeRead(key)
                                          ? model::ValueReadBack(value)
                                          : std::string_view();
    Check(after.View().ReadString(section, key, kWholeValue) == expected,
          "the written value reads back as the rules give it");
}

void CheckSectionList(const ProfileFile& before, const ProfileFile& after,
                      std::string_view section) {
    std::vector<std::string> appended = before.View().SectionNames();
    appended.emplace_back(section);
    const std::vector<std::string> names = after.View().SectionNames();
    Check(names == before.View().SectionNames() || names == appended,
          "a write lists the same sections, or the written one added at the end");
}

void CheckOtherKeys(const ProfileFile& before, const ProfileFile& after, std::string_view section,
                    std::string_view key) {
    const std::vector<std::string> keys = model::KeyCandidates(before.Bytes(), kMostKeys);
    for (const std::string& otherSection : before.View().SectionNames()) {
        const bool sameSection =
            model::FoldEveryByte(otherSection) == model::FoldEveryByte(section);
        for (const std::string& otherKey : keys) {
            if (sameSection && model::FoldEveryByte(otherKey) == model::FoldEveryByte(key))
                continue;
            const std::string value = before.View().ReadString(otherSection, otherKey, kWholeValue);
            if (!value.empty()) {
                Check(after.View().ReadString(otherSection, otherKey, kWholeValue) == value,
                      "every other key with a value reads the same after a write");
            }
        }
    }
}

}  // namespace
}  // namespace pivlon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pivlon::fuzz;
    const std::vector<std::string_view> fields = FuzzFields(data, size, 4);
    const std::string_view section = fields[0], key = fields[1], value = fields[2];
    const pivlon::ProfileFile before{std::string(fields[3])};

    pivlon::ProfileFile written = before;
    written.WriteString(section, key, value);
    // Read as the next run of the program would: from the bytes alone.
    const pivlon::ProfileFile after(written.Bytes());
    if (KeyMakesHeader(key))
        return 0;
    CheckOtherKeys(before, after, section, key);
    if (!Predictable(key, before.Bytes()))
        return 0;
    CheckWrittenValue(after, section, key, value);
    if (!SectionCanBeRead(section))
        return 0;
    CheckSectionList(before, after, section);
    if (KeyCanBeRead(key)) {
        written.WriteString(section, key, value);
        Check(written.Bytes() == after.Bytes(), "writing the same value again changes nothing");
    }
    return 0;
}
