#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "catalog/ProfileImage.h"
#include "platform/ProfileStore.h"

namespace pivlon::testing {

// Profile files held in memory; writes can be refused as by a read-only file.
class FakeProfileStore : public ProfileStore {
  public:
    std::shared_ptr<const ProfileImage> Read(const std::string& path) override {
        if (unreadable.contains(path))
            return nullptr;
        auto found = files.find(path);
        return std::make_shared<const ProfileImage>(found == files.end() ? std::string()
                                                                         : found->second);
    }
    bool Replace(const std::string& path, const std::string& bytes) override {
        if (refuseWrites)
            return false;
        files[path] = bytes;
        ++writes;
        return true;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;  // present, but reading them fails
    bool refuseWrites = false;
    int writes = 0;
};

}  // namespace pivlon::testing
