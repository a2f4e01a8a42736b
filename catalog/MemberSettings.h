#pragma once

#include <cstdint>
#include <string>

#include "platform/ProfileStore.h"

namespace pivlon {

struct MemberRecord {
    std::string mailAddress;
    std::uint32_t memberNumber = 0;
    std::string password;
    friend bool operator==(const MemberRecord&, const MemberRecord&) = default;
};

// Reader and writer of the member settings "Pivlon.ini". Keeps nothing: every call asks the store.
class MemberSettings {
  public:
    explicit MemberSettings(ProfileStore& store);

    MemberRecord LoadMember(const std::string& listName) const;
    void SaveMember(const std::string& listName, const MemberRecord& member);
    std::string LoadSenderPath() const;
    void SaveSenderPath(const std::string& path);

  private:
    ProfileStore& store_;
};

}  // namespace pivlon
