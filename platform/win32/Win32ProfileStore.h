#pragma once

#include <optional>
#include <string>

#include "platform/CachingProfileStore.h"

namespace pivlon::win32 {

// The profile store over the Windows file API. Each read asks for the file's
// attributes by name, which needs no handle; the file is opened only to read it
// afresh, shared with every other program, which may be writing it or replacing it.
// A save replaces the whole file in one move.
class Win32ProfileStore : public CachingProfileStore {
  protected:
    FileStatus QueryFile(const std::string& path) override;
    std::optional<std::string> ReadWholeFile(const std::string& path) override;
    bool ReplaceWholeFile(const std::string& path, const std::string& bytes) override;
};

}  // namespace pivlon::win32
