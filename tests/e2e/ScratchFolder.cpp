#include "ScratchFolder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace pivlon::e2e {

ScratchFolder::ScratchFolder() {
    static int made = 0;
    path_ =
        std::filesystem::temp_directory_path() /
        (L"pivlon-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::Write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string ScratchFolder::Read(const std::wstring& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool ScratchFolder::Exists(const std::wstring& name) const {
    return std::filesystem::exists(path_ / name);
}

}  // namespace pivlon::e2e
