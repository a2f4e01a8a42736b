#pragma once

#include <filesystem>

namespace pivlon::testing {

// Makes a folder the current directory while it lives, then restores the one
// before: the program finds its catalog and settings, and the system its
// default sender, through the current directory.
class ScopedCurrentDirectory {
  public:
    explicit ScopedCurrentDirectory(const std::filesystem::path& folder);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

  private:
    std::filesystem::path previous_;
};

}  // namespace pivlon::testing
