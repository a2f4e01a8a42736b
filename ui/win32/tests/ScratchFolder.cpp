#include "ui/win32/tests/ScratchFolder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace pivlon::win32::testing {

namespace {

std::filesystem::path NewFolder() {
    static int made = 0;
    const auto name =
        "pivlon-ui-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
    auto path = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
}

}  // namespace

ScratchFolder::ScratchFolder() : previous_(std::filesystem::current_path()), path_(NewFolder()) {
    std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string ScratchFolder::Read(const std::string& name) const {
    std::ifstream file(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool ScratchFolder::Holds(const std::string& name) const {
    return std::filesystem::exists(path_ / name);
}

}  // namespace pivlon::win32::testing
