#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pivlon {

// Whole-file access for the two profile files, addressed relative to the
// current working directory at every call.
class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // The file's bytes: empty for a file that does not exist, nullopt for one
    // that exists but cannot be read. They stay valid until the next call on this
    // store, which may reuse their memory: the program reads its files at every
    // call, and fresh memory for every read of a large file would cost more than
    // the read.
    virtual std::optional<std::string_view> Read(const std::string& path) = 0;
    // Replaces the file with these bytes so that a reader sees either the old
    // or the new content, never a torn one. False when the platform refuses.
    virtual bool Replace(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace pivlon
