#pragma once

#include <string>

#include "platform/ProfileStore.h"

namespace pivlon::win32 {

// The profile store over the Windows file API. The file is opened for each read and
// shared with every other program, which may be writing it or replacing it; a save
// replaces the whole file in one move.
class Win32ProfileStore : public ProfileStore {
  public:
    std::optional<std::string_view> Read(const std::string& path) override;
    bool Replace(const std::string& path, const std::string& bytes) override;

  private:
    std::string buffer_;  // the bytes of the last read, its capacity kept for the next
};

}  // namespace pivlon::win32
