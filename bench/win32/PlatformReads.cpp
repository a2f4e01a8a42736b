#include "bench/win32/PlatformReads.h"

#include <cstddef>

namespace pivlon::bench {
namespace {

// The buffers ListCatalog and MemberSettings read with.
constexpr std::size_t kValueBufferSize = 128;
constexpr std::size_t kPathBufferSize = 260;

}  // namespace

std::vector<std::string> PlatformReads::ListNames() const {
    return catalog_.SectionNames();
}

std::string PlatformReads::ReadDescription(const std::string& listName) const {
    std::string description;
    for (int n = 1;; ++n) {
        const std::string line =
            catalog_.ReadString(listName, "Info" + std::to_string(n), kValueBufferSize);
        if (line.empty())
            return description;
        description += line + "\r\n";
    }
}

int PlatformReads::ReadServerType(const std::string& listName) const {
    return static_cast<int>(catalog_.ReadInt(listName, "Type", 0));
}

std::string PlatformReads::ReadCommandAddress(const std::string& listName) const {
    return catalog_.ReadString(listName, "To", kValueBufferSize);
}

MemberRecord PlatformReads::LoadMember(const std::string& listName) const {
    MemberRecord member;
    member.mailAddress = settings_.ReadString(listName, "MailAddr", kValueBufferSize);
    member.memberNumber = settings_.ReadInt(listName, "MemberNo", 0);
    member.password = settings_.ReadString(listName, "Password", kValueBufferSize);
    return member;
}

std::string PlatformReads::LoadSenderPath() const {
    return settings_.ReadString("Pivlon", "Dravex", kPathBufferSize);
}

}  // namespace pivlon::bench
