#include "platform/win32/Win32ProfileStore.h"

#include <windows.h>

#include <algorithm>

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

bool Win32ProfileStore::Replace(const std::string& path, const std::string& bytes) {
    return ReplaceFileContent(Widen(path), bytes);
}

}  // namespace pivlon::win32
