#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/FileStatus.h"
#include "platform/ProfileStore.h"

namespace pivlon {

// A profile store that keeps the image of each file it has read and hands it out
// again only while the file is provably unchanged: the same file, size and last-write
// time as when it was read, and that write already old enough when it was read that
// a file system with coarse timestamps cannot have hidden a later one. Anything else
// reads the file afresh. Each read costs one metadata query; a kept image costs no
// more. The platforms supply the three file operations.
class CachingProfileStore : public ProfileStore {
  public:
    // A write this recent may be followed by another within the same timestamp tick.
    static constexpr std::chrono::seconds kSettleTime{2};

    std::shared_ptr<const ProfileImage> Read(const std::string& path) final;
    bool Replace(const std::string& path, const std::string& bytes) final;

  protected:
    // One metadata query, without opening the file.
    virtual FileStatus QueryFile(const std::string& path) = 0;
    // The whole file; none when it cannot be read.
    virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
    virtual bool ReplaceWholeFile(const std::string& path, const std::string& bytes) = 0;

  private:
    struct KeptImage {
        FileStamp stamp;
        std::shared_ptr<const ProfileImage> image;
    };

    std::unordered_map<std::string, KeptImage> kept_;  // by path, settled files only
};

}  // namespace pivlon
