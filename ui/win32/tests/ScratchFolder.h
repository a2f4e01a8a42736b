#pragma once

#include <filesystem>
#include <string>

namespace pivlon::win32::testing {

// A fresh working folder for one test: the program finds its catalog and
// settings through the current directory, so the folder is made current
// until the test ends, then removed with everything in it.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    void Write(const std::string& name, const std::string& bytes) const;
    // The file's bytes; empty when it is missing.
    std::string Read(const std::string& name) const;
    bool Holds(const std::string& name) const;

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace pivlon::win32::testing
