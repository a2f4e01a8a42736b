#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace pivlon::testing {

// One profile file as the platform's own profile service (the A functions) sees it:
// the reference our reader and writer are compared with, and measured against.
class PlatformProfile {
  public:
    // The file's path in the ANSI code page. The service looks for a bare file
    // name in the Windows folder: ".\\" names the current one.
    explicit PlatformProfile(std::string path) : path_(std::move(path)) {}

    std::vector<std::string> SectionNames() const;
    // The bytes the service copies into a buffer of bufferSize bytes, missing keys
    // reading as the empty string.
    std::string ReadString(const std::string& section, const std::string& key,
                           std::size_t bufferSize) const;
    std::uint32_t ReadInt(const std::string& section, const std::string& key,
                          std::uint32_t defaultValue) const;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) const;

  private:
    std::string path_;
};

}  // namespace pivlon::testing
