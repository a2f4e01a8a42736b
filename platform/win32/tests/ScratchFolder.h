#pragma once

#include <optional>
#include <string>

namespace pivlon::win32::testing {

// A fresh folder under the Windows temporary directory, removed with all it holds.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::wstring& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Ends in a backslash.
    const std::wstring& Path() const { return path_; }
    // Creates the folders of `relative` inside this one; returns its path, ending in a backslash.
    std::wstring AddFolder(const std::wstring& relative) const;

  private:
    std::wstring path_;
};

std::wstring TemporaryDirectory();
// The bytes of a whole file, or nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

}  // namespace pivlon::win32::testing
