#include "platform/win32/Win32ProfileStore.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>

#include "platform/win32/Encoding.h"
#include "platform/win32/FileReplacement.h"

// In ntdll since Windows 2000, though the SDK's winternl.h leaves it out.
extern "C" NTSTATUS NTAPI NtQueryFullAttributesFile(POBJECT_ATTRIBUTES attributes,
                                                    PFILE_NETWORK_OPEN_INFORMATION info);

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

constexpr NTSTATUS kObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034);
constexpr NTSTATUS kObjectPathNotFound = static_cast<NTSTATUS>(0xC000003A);

// File times count 100 ns from 1601; the stamp counts nanoseconds from 1970.
std::int64_t UnixNanoseconds(const LARGE_INTEGER& time) {
    constexpr std::int64_t kTicksFrom1601To1970 = 116444736000000000;
    return (time.QuadPart - kTicksFrom1601To1970) * 100;
}

}  // namespace

// Only a file that is not there reads as empty; one that is there but cannot be
// read (a folder here; a file locked by another program when it is read afresh) must
// not pass for empty, or a save would overwrite it. The attributes by name need no
// handle and, unlike those of GetFileAttributesExW, include the time of the file's last
// change, which a replacement, a write with its old last-write time set again, or a
// change of access sets anew. Windows tells no file number without a handle: the
// creation time stands in for it.
FileStatus Win32ProfileStore::QueryFile(const std::string& path) {
    UNICODE_STRING ntPath{};
    if (!RtlDosPathNameToNtPathName_U(Widen(path).c_str(), &ntPath, nullptr, nullptr))
        return {FileStatus::Kind::Unreadable, {}};
    OBJECT_ATTRIBUTES attributes{};
    InitializeObjectAttributes(&attributes, &ntPath, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
    FILE_NETWORK_OPEN_INFORMATION info{};
    const NTSTATUS status = NtQueryFullAttributesFile(&attributes, &info);
    RtlFreeUnicodeString(&ntPath);
    if (status == kObjectNameNotFound || status == kObjectPathNotFound)
        return {FileStatus::Kind::Missing, {}};
    if (status < 0 || (info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return {FileStatus::Kind::Unreadable, {}};
    return {FileStatus::Kind::Regular,
            {0, static_cast<std::uint64_t>(info.CreationTime.QuadPart),
             static_cast<std::uint64_t>(info.EndOfFile.QuadPart),
             UnixNanoseconds(info.LastWriteTime), UnixNanoseconds(info.ChangeTime)}};
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
