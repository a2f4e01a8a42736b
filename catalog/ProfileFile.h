#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalog/ProfileLine.h"
#include "catalog/ProfileView.h"

namespace pivlon {

// An image of a profile (INI) file that writes change so that every byte a write does
// not touch stays as it was. A UTF-8 byte-order mark at the start is kept.
class ProfileFile {
  public:
    explicit ProfileFile(std::string bytes);

    // Sets the value in this image; the caller saves Bytes() once for all its writes.
    // The value ends at its first line break, so it can never add lines to the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Bytes() const { return bytes_; }
    // Reads of the image as it stands, valid until the next write.
    ProfileView View() const { return ProfileView(bytes_); }

  private:
    void ReplaceValue(const ProfileLine& line, std::string_view value);
    void AppendKey(const ProfileLine& header, const std::vector<ProfileLine>& body,
                   std::string_view key, std::string_view value);
    void AppendSection(std::string_view section, std::string_view key, std::string_view value);

    std::string bytes_;
};

}  // namespace pivlon
