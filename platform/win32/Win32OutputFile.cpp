#include "platform/win32/Win32OutputFile.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/win32/FileErrorCauses.h"

namespace pivlon::win32 {

namespace {
// WriteFile takes a 32-bit count; larger writes go in pieces.
constexpr std::size_t kLargestWrite = 1u << 30;
}  // namespace

Win32OutputFile::Win32OutputFile(void* handle, std::string fullPath)
    : handle_(handle), fullPath_(std::move(fullPath)) {}

Win32OutputFile::~Win32OutputFile() {
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

// A write that stops short is reported as a full disk whatever the system's reason, as the
// text-file writing this replaces always did.
std::optional<FileError> Win32OutputFile::Write(const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD wanted = static_cast<DWORD>(std::min(bytes.size() - done, kLargestWrite));
        DWORD written = 0;
        if (!WriteFile(handle_, bytes.data() + done, wanted, &written, nullptr) || written == 0)
            return FileError{FileErrorCause::DiskFull, fullPath_};
        done += written;
    }
    return std::nullopt;
}

std::optional<FileError> Win32OutputFile::Close() {
    if (!CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)))
        return LastFileError(fullPath_);
    return std::nullopt;
}

}  // namespace pivlon::win32
