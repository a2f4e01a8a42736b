#include "platform/win32/tests/ScratchFolder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace pivlon::win32::testing {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(const std::wstring& name)
    : path_(TemporaryDirectory() + L"pivlon-" + name + L"\\") {
    fs::remove_all(path_);
    fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::wstring ScratchFolder::AddFolder(const std::wstring& relative) const {
    const std::wstring folder = path_ + relative + L"\\";
    fs::create_directories(folder);
    return folder;
}

std::wstring TemporaryDirectory() {
    wchar_t buffer[MAX_PATH + 1];
    return std::wstring(buffer, GetTempPathW(MAX_PATH + 1, buffer));
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    std::ifstream file(fs::path(path), std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(fs::path(path), std::ios::binary);
    return static_cast<bool>(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace pivlon::win32::testing
