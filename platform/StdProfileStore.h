#pragma once

#include <string>

#include "platform/ProfileStore.h"

namespace pivlon {

// The profile store over the real file system, with the standard library only.
class StdProfileStore : public ProfileStore {
  public:
    std::optional<std::string_view> Read(const std::string& path) override;
    bool Replace(const std::string& path, const std::string& bytes) override;

  private:
    std::string buffer_;  // the bytes of the last read, its capacity kept for the next
};

}  // namespace pivlon
