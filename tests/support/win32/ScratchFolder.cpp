#include "tests/support/win32/ScratchFolder.h"

#include <windows.h>

#include <system_error>

#include "tests/support/win32/TemporaryDirectory.h"
#include "tests/support/win32/TestFiles.h"

namespace pivlon::testing {
namespace {

// The process id and a counter keep the folders of one run, and of runs side by side, apart.
std::filesystem::path NewFolderPath() {
    static unsigned made = 0;
    return std::filesystem::path(TemporaryDirectory()) /
           (L"pivlon-" + std::to_wstring(GetCurrentProcessId()) + L'-' + std::to_wstring(++made));
}

}  // namespace

ScratchFolder::ScratchFolder() : path_(NewFolderPath()) {
    // A folder left by a crashed run under a reused process id starts empty all the same.
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

bool ScratchFolder::Write(const std::filesystem::path& name, const std::string& bytes) const {
    return WriteBytes(path_ / name, bytes);
}

std::string ScratchFolder::Read(const std::filesystem::path& name) const {
    return ReadBytes(path_ / name).value_or("");
}

bool ScratchFolder::Exists(const std::filesystem::path& name) const {
    return FileExists(path_ / name);
}

}  // namespace pivlon::testing
