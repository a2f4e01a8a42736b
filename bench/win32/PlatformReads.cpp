#include "bench/win32/PlatformReads.h"

#include <windows.h>

#include <cstddef>

namespace pivlon::bench {
namespace {

// The service looks for a bare file name in the Windows folder; these name the current one.
constexpr const char* kCatalogPath = ".\\Pivlon.dat";
constexpr const char* kSettingsPath = ".\\Pivlon.ini";
constexpr DWORD kValueBufferSize = 128;
constexpr DWORD kPathBufferSize = 260;
constexpr DWORD kFirstNamesBufferSize = 1024;

std::string ReadString(const std::string& section, const std::string& key, DWORD bufferSize,
                       const char* path) {
    std::string buffer(bufferSize, '\0');
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), bufferSize, path);
    buffer.resize(length);
    return buffer;
}

}  // namespace

// The buffer doubles until the names fit, which is the fair way to use the service:
// growing it by a fixed step would call it once per step.
std::vector<std::string> PlatformReads::ListNames() const {
    std::string buffer;
    DWORD length = 0;
    for (DWORD size = kFirstNamesBufferSize;; size *= 2) {
        buffer.assign(size, '\0');
        length = GetPrivateProfileSectionNamesA(buffer.data(), size, kCatalogPath);
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

std::string PlatformReads::ReadDescription(const std::string& listName) const {
    std::string description;
    for (int n = 1;; ++n) {
        const std::string line =
            ReadString(listName, "Info" + std::to_string(n), kValueBufferSize, kCatalogPath);
        if (line.empty())
            return description;
        description += line + "\r\n";
    }
}

int PlatformReads::ReadServerType(const std::string& listName) const {
    return static_cast<int>(GetPrivateProfileIntA(listName.c_str(), "Type", 0, kCatalogPath));
}

std::string PlatformReads::ReadCommandAddress(const std::string& listName) const {
    return ReadString(listName, "To", kValueBufferSize, kCatalogPath);
}

MemberRecord PlatformReads::LoadMember(const std::string& listName) const {
    MemberRecord member;
    member.mailAddress = ReadString(listName, "MailAddr", kValueBufferSize, kSettingsPath);
    member.memberNumber = GetPrivateProfileIntA(listName.c_str(), "MemberNo", 0, kSettingsPath);
    member.password = ReadString(listName, "Password", kValueBufferSize, kSettingsPath);
    return member;
}

std::string PlatformReads::LoadSenderPath() const {
    return ReadString("Pivlon", "Dravex", kPathBufferSize, kSettingsPath);
}

}  // namespace pivlon::bench
