#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace pivlon::testing {

// A new empty folder in the temporary directory, named by mkdtemp so that no other
// test, run or clone side by side can have the same one; removed with all it holds
// when the test ends.
class ScratchDirectory {
  public:
    explicit ScratchDirectory(const std::string& prefix) {
        std::string name = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
        if (mkdtemp(name.data()) == nullptr)
            throw std::runtime_error("no scratch folder under " + name);
        path_ = name;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace pivlon::testing
