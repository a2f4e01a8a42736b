#include "platform/win32/Win32ProfileStore.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Encoding.h"
#include "platform/win32/Win32OutputFile.h"

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

// Reads to the end of the file into `buffer`, which keeps its capacity: the size the
// file has now is only a first guess when another program is writing it.
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

// The bytes reach the disk before the file is closed, so that the move that follows
// can never put an unwritten file in the old one's place. The handle is closed in
// every case, so that a failed file can be deleted. A refused save is not reported,
// so the file needs no name for reports.
bool WriteAndClose(HANDLE handle, const std::string& bytes) {
    Win32OutputFile file(handle, std::string());
    return !file.Write(bytes) && FlushFileBuffers(handle) && !file.Close();
}

}  // namespace

std::optional<std::string_view> Win32ProfileStore::Read(const std::string& path) {
    const ScopedHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // Only a file that is not there reads as empty; one that is there but cannot be
    // read (a folder, a file locked by another program) must not pass for empty, or a
    // save would overwrite it.
    if (file.Get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return std::string_view();
        return std::nullopt;
    }
    if (!ReadToEnd(file.Get(), buffer_))
        return std::nullopt;
    return std::string_view(buffer_);
}

// The new content goes to a file beside the old one, which it then replaces in one
// move: a crash or a full disk leaves either file whole, never a torn one.
bool Win32ProfileStore::Replace(const std::string& path, const std::string& bytes) {
    const std::wstring target = Widen(path);
    const std::wstring staging = target + L".new";
    const HANDLE handle = CreateFileW(staging.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    if (WriteAndClose(handle, bytes) &&
        MoveFileExW(staging.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return true;
    }
    DeleteFileW(staging.c_str());
    return false;
}

}  // namespace pivlon::win32
