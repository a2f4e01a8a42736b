#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ProfileLine.h"
#include "platform/ProfileStore.h"

namespace pivlon {

// A profile (INI) file held as its bytes, read by the rules of the Windows profile
// service and changed so that every byte a write does not touch stays as it was.
// Nothing is parsed ahead: each call scans the bytes only as far as it needs.
// A UTF-8 byte-order mark at the start is skipped when parsing and kept when writing:
// the service would take it as part of the first line and lose the first section.
class ProfileFile {
  public:
    explicit ProfileFile(std::string bytes);
    // A missing or unreadable file reads as an empty one.
    static ProfileFile Load(ProfileStore& store, const std::string& path);

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

    // Sets the value in this image; the caller saves Bytes() once for all its writes.
    // The value ends at its first line break, so it can never add lines to the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Bytes() const { return bytes_; }

  private:
    // The header of the first section of this name; lines before the first header
    // belong to no section and are never found.
    std::optional<ProfileLine> FindSection(std::string_view section) const;
    // The first header at or after `from`.
    std::optional<ProfileLine> NextSection(std::size_t from) const;
    // The lines after a header, up to the next header.
    std::vector<ProfileLine> SectionBody(const ProfileLine& header) const;
    // The value with one pair of matching quotes dropped; none when the key is missing
    // or its line holds no '='.
    std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;

    void ReplaceValue(const ProfileLine& line, std::string_view value);
    void AppendKey(const ProfileLine& header, const std::vector<ProfileLine>& body,
                   std::string_view key, std::string_view value);
    void AppendSection(std::string_view section, std::string_view key, std::string_view value);

    std::string bytes_;
};

}  // namespace pivlon
