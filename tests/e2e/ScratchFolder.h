#pragma once

#include <filesystem>
#include <string>

namespace pivlon::e2e {

// A working folder of its own for one run of the program, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::wstring Windows() const { return path_.wstring(); }
    void Write(const std::wstring& name, const std::string& bytes) const;
    // The file's bytes; empty when it does not exist.
    std::string Read(const std::wstring& name) const;
    bool Exists(const std::wstring& name) const;

  private:
    std::filesystem::path path_;
};

}  // namespace pivlon::e2e
