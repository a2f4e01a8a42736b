#pragma once

#include <memory>
#include <string>

namespace pivlon {

class ProfileImage;

// Whole-file access for the two profile files, addressed relative to the
// current working directory at every call.
class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // The file as it stands now: an empty image for a file that does not exist,
    // none for one that exists but cannot be read. The image is shared and never
    // changes: it stays valid for as long as the caller holds it, whatever this
    // store is asked next.
    virtual std::shared_ptr<const ProfileImage> Read(const std::string& path) = 0;
    // Replaces the file with these bytes so that a reader sees either the old
    // or the new content, never a torn one. False when the platform refuses.
    virtual bool Replace(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace pivlon
