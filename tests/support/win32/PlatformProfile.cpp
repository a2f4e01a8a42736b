#include "tests/support/win32/PlatformProfile.h"

#include <windows.h>

namespace pivlon::testing {
namespace {

constexpr DWORD kFirstSectionNamesBufferSize = 1024;

}  // namespace

// The buffer doubles until the names fit, which is the fair way to use the service:
// growing it by a fixed step would call it once per step.
std::vector<std::string> PlatformProfile::SectionNames() const {
    std::string buffer;
    DWORD length = 0;
    for (DWORD size = kFirstSectionNamesBufferSize;; size *= 2) {
        buffer.assign(size, '\0');
        length = GetPrivateProfileSectionNamesA(buffer.data(), size, path_.c_str());
        if (length + 2 < size)
            break;
    }
    std::vector<std::string> names;
    for (std::size_t start = 0; start < length;) {
        const std::size_t end = buffer.find('\0', start);
        names.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// The buffer starts out filled, so that bytes the service leaves unwritten show.
std::string PlatformProfile::ReadString(const std::string& section, const std::string& key,
                                        std::size_t bufferSize) const {
    std::string buffer(bufferSize, '\x7F');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                  static_cast<DWORD>(bufferSize), path_.c_str());
    buffer.resize(length);
    return buffer;
}

std::uint32_t PlatformProfile::ReadInt(const std::string& section, const std::string& key,
                                       std::uint32_t defaultValue) const {
    return GetPrivateProfileIntA(section.c_str(), key.c_str(), static_cast<INT>(defaultValue),
                                 path_.c_str());
}

bool PlatformProfile::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) const {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

}  // namespace pivlon::testing
