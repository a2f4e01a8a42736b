#include "platform/win32/Win32ProfileStore.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "platform/win32/Encoding.h"
#include "platform/win32/FileReplacement.h"

namespace pivlon::win32 {
namespace {

// ReadFile takes a 32-bit count; a file that grows while it is read is read in pieces.
constexpr std::size_t kLargestRead = 1u << 30;
constexpr std::size_t kSmallestRead = 4096;

class ScopedHandle {
  public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ~ScopedHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE Get() const { return handle_; }

  private:
    HANDLE handle_;
};

// Reads to the end of the file: the size the file has now is only a first guess when
// another program is writing it.
bool ReadToEnd(HANDLE file, std::string& buffer) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size))
        return false;
    buffer.resize(static_cast<std::size_t>(size.QuadPart) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == buffer.size())
            buffer.resize(std::max(2 * buffer.size(), kSmallestRead));
        const DWORD wanted = static_cast<DWORD>(std::min(buffer.size() - filled, kLargestRead));
        DWORD got = 0;
        if (!ReadFile(file, buffer.data() + filled, wanted, &got, nullptr))
            return false;
        if (got == 0)
            break;
        filled += got;
    }
    buffer.resize(filled);
    return true;
}

std::uint64_t Join(DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// FILETIME counts 100 ns from 1601; the stamp counts nanoseconds from 1970.
std::int64_t UnixNanoseconds(const FILETIME& time) {
    constexpr std::int64_t kTicksFrom1601To1970 = 116444736000000000;
    const auto ticks = static_cast<std::int64_t>(Join(time.dwHighDateTime, time.dwLowDateTime));
    return (ticks - kTicksFrom1601To1970) * 100;
}

}  // namespace

// Only a file that is not there reads as empty; one that is there but cannot be
// read (a folder, a file locked by another program) must not pass for empty, or a
// save would overwrite it. Without a handle Windows tells no file number; the creation
// time stands in for it (Wine gives the time of the file's last change there).
FileStatus Win32ProfileStore::QueryFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? FileStatus::Kind::Missing : FileStatus::Kind::Unreadable, {}};
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return {FileStatus::Kind::Unreadable, {}};
    return {
        FileStatus::Kind::Regular,
        {0, Join(data.ftCreationTime.dwHighDateTime, data.ftCreationTime.dwLowDateTime),
         Join(data.nFileSizeHigh, data.nFileSizeLow), UnixNanoseconds(data.ftLastWriteTime), 0}};
}

std::optional<std::string> Win32ProfileStore::ReadWholeFile(const std::string& path) {
    const ScopedHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (file.Get() == INVALID_HANDLE_VALUE || !ReadToEnd(file.Get(), bytes))
        return std::nullopt;
    return bytes;
}

bool Win32ProfileStore::ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    return ReplaceFileContent(Widen(path), bytes);
}

}  // namespace pivlon::win32
