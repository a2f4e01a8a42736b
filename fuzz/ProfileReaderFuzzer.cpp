// Any bytes as a profile file: the listed sections with the keys the lines suggest (the
// first few of each, which keeps the fuzzer fast), read as text at several buffer sizes
// and as a number. Nothing may crash, and a cut value is the longest run of whole
// characters that fits the buffer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "ProfileModel.h"
#include "catalog/ProfileImage.h"
#include "catalog/ProfileView.h"

namespace pivlon::fuzz {
namespace {

constexpr std::size_t kMostSections = 6;
constexpr std::size_t kMostKeys = 8;
constexpr std::size_t kWholeValue = std::numeric_limits<std::size_t>::max();

// A section name is saved as a header, which must give it back: it never starts or
// ends with a blank, not even where a NUL ended it.
void CheckSectionNames(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        Check(!name.empty(), "an empty section name is never listed");
        Check(!model::HasLineBreakOrNul(name), "a section name holds no line break or NUL");
        Check(!model::IsBlank(name.front()), "a section name starts with no blank");
        Check(!model::IsBlank(name.back()), "a section name ends with no blank");
    }
}

// The listed names without repeats, and the empty name, which finds a "[]" section.
std::vector<std::string> SectionsToRead(const std::vector<std::string>& names) {
    std::vector<std::string> sections{""};
    for (const std::string& name : names) {
        if (sections.size() > kMostSections)
            break;
        if (std::find(sections.begin(), sections.end(), name) == sections.end())
            sections.push_back(name);
    }
    return sections;
}

// The end of the last whole character that fits in `most` bytes.
std::size_t WholeCharsWithin(std::string_view value, std::size_t most) {
    std::size_t end = 0;
    for (std::size_t start : model::CharStarts(value)) {
        if (start > most)
            return end;
        end = start;
    }
    return value.size() <= most ? value.size() : end;
}

// Sizes around the value's end and its middle find the cuts inside a character.
void CheckCuts(const ProfileView& file, const std::string& section, const std::string& key,
               const std::string& whole) {
    Check(!model::HasLineBreakOrNul(whole), "a value holds no line break or NUL");
    for (const std::size_t bufferSize : {std::size_t{0}, std::size_t{1}, std::size_t{128},
                                         whole.size() / 2 + 1, whole.size(), whole.size() + 1}) {
        const std::string cut = file.ReadString(section, key, bufferSize);
        Check(whole.starts_with(cut), "a cut value is the start of the whole value");
        const std::size_t expected = bufferSize == 0 ? 0 : WholeCharsWithin(whole, bufferSize - 1);
        Check(cut.size() == expected, "a value is cut after its last whole character that fits");
    }
}

// The default comes back exactly when the text read is empty.
void CheckNumber(const ProfileView& file, const std::string& section, const std::string& key,
                 const std::string& whole) {
    const std::uint32_t withSeven = file.ReadInt(section, key, 7);
    const std::uint32_t withEight = file.ReadInt(section, key, 8);
    Check(whole.empty() ? withSeven == 7 && withEight == 8 : withSeven == withEight,
          "a number read gives the default only for a missing or empty value");
}

}  // namespace
}  // namespace pivlon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pivlon::fuzz;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const pivlon::ProfileView file(bytes);
    const pivlon::ProfileImage indexed(bytes);
    const std::vector<std::string> names = file.SectionNames();
    CheckSectionNames(names);
    Check(indexed.SectionNames() == names, "the indexed image lists other sections");
    const std::vector<std::string> keys = model::KeyCandidates(bytes, kMostKeys);
    for (const std::string& section : SectionsToRead(names)) {
        for (const std::string& key : keys) {
            const std::string whole = file.ReadString(section, key, kWholeValue);
            CheckCuts(file, section, key, whole);
            CheckNumber(file, section, key, whole);
            Check(indexed.ReadString(section, key, kWholeValue) == whole,
                  "the indexed image reads another value");
        }
    }
    return 0;
}
