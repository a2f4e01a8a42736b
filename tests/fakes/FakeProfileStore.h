#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/ProfileStore.h"

namespace pivlon::testing {

// Profile files held in memory; writes can be refused as by a read-only file.
class FakeProfileStore : public ProfileStore {
  public:
    std::optional<std::string_view> Read(const std::string& path) override {
        if (unreadable.contains(path))
            return std::nullopt;
        auto found = files.find(path);
        if (found == files.end())
            return std::string_view();
        return found->second;
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
