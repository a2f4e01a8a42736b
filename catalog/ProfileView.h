#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ProfileLine.h"

namespace pivlon {

class SectionIndex;

// A profile (INI) file's bytes, held elsewhere, read by the rules of the Windows
// profile service. Without an index nothing is parsed ahead: each call scans the bytes
// only as far as it needs; with the index of these bytes, a read goes straight to its
// section. A UTF-8 byte-order mark at the start is skipped: the service would take
// it as part of the first line and lose the first section.
class ProfileView {
  public:
    explicit ProfileView(std::string_view bytes) : bytes_(bytes) {}
    ProfileView(std::string_view bytes, const SectionIndex& sections)
        : bytes_(bytes), sections_(&sections) {}
    // The bytes must outlive the view: a temporary string would not.
    explicit ProfileView(std::string&&) = delete;

    // Names of the sections in file order, duplicates included; empty names are left out.
    std::vector<std::string> SectionNames() const;
    // The value, or the empty string, cut to fit a buffer of bufferSize bytes together
    // with its terminating zero, never inside a double-byte character.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::size_t bufferSize) const;
    // The value as a whole number wrapping modulo 2^32; the default only when the key
    // is missing or its value is empty.
    std::uint32_t ReadInt(std::string_view section, std::string_view key,
                          std::uint32_t defaultValue) const;

    // Where the file's first line begins: after the byte-order mark, if any.
    std::size_t ContentStart() const;
    // The header of the first section of this name; lines before the first header
    // belong to no section and are never found.
    std::optional<ProfileLine> FindSection(std::string_view section) const;
    // The lines after a header, up to the next header.
    std::vector<ProfileLine> SectionBody(const ProfileLine& header) const;
    // The first header at or after `from`.
    std::optional<ProfileLine> NextSection(std::size_t from) const;

  private:
    // The value with one pair of matching quotes dropped; none when the key is missing
    // or its line holds no '='.
    std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;

    std::string_view bytes_;
    const SectionIndex* sections_ = nullptr;  // of these very bytes, when given
};

// The first entry of this name in a section's body: within a section the first key wins.
const ProfileLine* FindEntry(const std::vector<ProfileLine>& body, std::string_view key);

}  // namespace pivlon
