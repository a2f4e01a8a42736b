#include "platform/win32/FileReplacement.h"

#include <windows.h>

#include "platform/win32/Win32OutputFile.h"

namespace pivlon::win32 {
namespace {

// The bytes reach the disk before the file is closed, so that the move that follows
// can never put an unwritten file in the old one's place. The handle is closed in
// every case, so that a failed file can be deleted. A refused replacement is not
// reported, so the file needs no name for reports.
bool WriteAndClose(HANDLE handle, const std::string& bytes) {
    Win32OutputFile file(handle, std::string());
    return !file.Write(bytes) && FlushFileBuffers(handle) && !file.Close();
}

}  // namespace

// The new content goes to a file beside the old one, which it then replaces in one
// move: a crash or a full disk leaves either file whole.
bool ReplaceFileContent(const std::wstring& path, const std::string& bytes) {
    const std::wstring staging = path + L".new";
    const HANDLE handle = CreateFileW(staging.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    if (WriteAndClose(handle, bytes) &&
        MoveFileExW(staging.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return true;
    }
    DeleteFileW(staging.c_str());
    return false;
}

}  // namespace pivlon::win32
