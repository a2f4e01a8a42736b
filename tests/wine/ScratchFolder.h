#pragma once

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
    const std::wstring& Path() const { return path_; }
    // The full path of `name` in the folder.
    std::wstring PathOf(const std::wstring& name) const { return path_ + L'\\' + name; }

  private:
    std::wstring path_;
};

}  // namespace pivlon::testing
