#include "standins/SenderCapture.h"

#include <windows.h>

#include <utility>

#include "platform/win32/Encoding.h"

namespace pivlon::standins {
namespace {

std::string Utf8Of(std::wstring_view text) {
    return win32::FromUtf16(CP_UTF8, text);
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool complete =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    return CloseHandle(file) && complete;
}

}  // namespace

SenderCapture::SenderCapture(std::wstring prefix) : prefix_(std::move(prefix)) {}

bool SenderCapture::RecordMail(const std::string& bytes) const {
    return Record(L".mail", bytes);
}

bool SenderCapture::RecordCommandLine(std::wstring_view commandLine) const {
    return Record(L".cmdline", Utf8Of(commandLine));
}

bool SenderCapture::RecordSignature(std::wstring_view entry) const {
    return Record(L".signature", Utf8Of(entry));
}

// False when the record could not be made now, for instance while a test
// holds the file open to read it; the caller tries again later.
bool SenderCapture::Record(const wchar_t* suffix, const std::string& bytes) const {
    if (prefix_.empty())
        return true;
    const std::wstring path = prefix_ + suffix;
    const std::wstring staging = path + L".new";
    if (WriteWholeFile(staging, bytes) &&
        MoveFileExW(staging.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return true;
    }
    DeleteFileW(staging.c_str());
    return false;
}

}  // namespace pivlon::standins
