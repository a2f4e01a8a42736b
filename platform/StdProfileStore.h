#pragma once

#include <optional>
#include <string>

#include "platform/CachingProfileStore.h"

namespace pivlon {

// The profile store over the real file system of the native builds: the standard
// library for the files, POSIX stat for the one metadata query of each read.
class StdProfileStore : public CachingProfileStore {
  protected:
    FileStatus QueryFile(const std::string& path) override;
    std::optional<std::string> ReadWholeFile(const std::string& path) override;
    bool ReplaceWholeFile(const std::string& path, const std::string& bytes) override;
};

}  // namespace pivlon
