#include "tests/support/win32/ScopedCurrentDirectory.h"

#include <system_error>

namespace pivlon::testing {

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

}  // namespace pivlon::testing
