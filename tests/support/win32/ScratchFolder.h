#pragma once

#include <filesystem>
#include <string>

namespace pivlon::testing {

// A new empty folder in the temporary directory, removed with all it holds
// when the test ends.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's full path, without a final separator.
    const std::filesystem::path& Path() const { return path_; }
    // The full Windows path of `name` in the folder.
    std::wstring PathOf(const std::filesystem::path& name) const {
        return (path_ / name).wstring();
    }

    bool Write(const std::filesystem::path& name, const std::string& bytes) const;
    // The file's bytes; empty when it cannot be read (ReadBytes tells the two apart).
    std::string Read(const std::filesystem::path& name) const;
    bool Exists(const std::filesystem::path& name) const;

  private:
    std::filesystem::path path_;
};

}  // namespace pivlon::testing
