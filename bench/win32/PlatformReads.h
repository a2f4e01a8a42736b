#pragma once

#include <string>
#include <vector>

#include "catalog/MemberSettings.h"
#include "tests/support/win32/PlatformProfile.h"

namespace pivlon::bench {

// The reads that ListCatalog and MemberSettings make, made through the platform's own
// profile service (the A functions) on the same two files: what ours is measured against.
class PlatformReads {
  public:
    std::vector<std::string> ListNames() const;
    std::string ReadDescription(const std::string& listName) const;
    int ReadServerType(const std::string& listName) const;
    std::string ReadCommandAddress(const std::string& listName) const;
    MemberRecord LoadMember(const std::string& listName) const;
    std::string LoadSenderPath() const;

  private:
    const testing::PlatformProfile catalog_{".\\Pivlon.dat"};
    const testing::PlatformProfile settings_{".\\Pivlon.ini"};
};

}  // namespace pivlon::bench
