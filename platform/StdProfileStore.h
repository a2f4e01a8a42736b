#pragma once

#include "platform/ProfileStore.h"

namespace pivlon {

// The profile store over the real file system, with the standard library only.
class StdProfileStore : public ProfileStore {
  public:
    std::optional<std::string> Read(const std::string& path) override;
    bool Replace(const std::string& path, const std::string& bytes) override;
};

}  // namespace pivlon
