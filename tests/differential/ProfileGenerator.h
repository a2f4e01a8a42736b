#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/differential/SeededRandom.h"

namespace pivlon::differential {

struct Lookup {
    std::string section;
    std::string key;
    auto operator<=>(const Lookup&) const = default;
};

struct GeneratedProfile {
    std::string bytes;
    // The names the file holds, as a reader should see them.
    std::vector<std::string> sections;
    std::vector<std::string> keys;
    // Reads worth making: every key under the name of its section, case variants, keys
    // of other sections and names that the file lacks.
    std::vector<Lookup> lookups;
};

// Profile files full of what real files and careless editors produce: blanks,
// quotes, comment-like and broken lines, duplicates, case variants, every kind of
// line end, Shift-JIS names and values whose trail bytes look like '[', ']', '\\' and
// '|', long values and whole numbers with junk around them.
class ProfileGenerator {
  public:
    explicit ProfileGenerator(std::uint32_t seed) : random_(seed) {}

    GeneratedProfile Next();

    // A name for a write: usually one of these, in some letter case, else a new one.
    std::string WriteName(const std::vector<std::string>& present);
    // Any value a caller could hand to a write, line breaks and leading blanks included.
    std::string WriteValue();
    // Some of the names, for reads beside the ones a file suggests.
    std::vector<std::string> Sample(const std::vector<std::string>& names, std::size_t count);

  private:
    std::string Name(bool inHeader);
    std::string CaseVariant(const std::string& name);
    std::string TrailByteVariant(const std::string& name);
    std::string Value();
    std::string PlainValue();
    std::string QuotedValue();
    std::string WholeNumber();
    std::string LongValue();
    std::string Hidden();
    std::string Padding();
    std::string LineEnd();
    std::string HeaderLine(GeneratedProfile& profile);
    std::string BodyLine(GeneratedProfile& profile);
    std::string EntryLine(GeneratedProfile& profile);
    std::string OddLine(GeneratedProfile& profile);
    void AddKey(GeneratedProfile& profile, const std::string& key);
    void AddLookups(GeneratedProfile& profile);

    SeededRandom random_;
    // The file being generated: its kind of text and line ends, and the section that
    // the next line belongs to (none before the first header or in a "[]" one).
    bool asciiOnly_ = false;
    std::string lineEnd_;
    std::string section_;
};

}  // namespace pivlon::differential
