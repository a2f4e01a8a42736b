#include "platform/win32/Win32UriOpener.h"

#include <windows.h>

// After <windows.h>, whose types it uses.
#include <shellapi.h>

#include "platform/win32/Encoding.h"

namespace pivlon::win32 {

bool Win32UriOpener::Open(const std::string& uri, std::string& failure) {
    // The URI is percent-encoded ASCII.
    const std::wstring wide = ToUtf16(CP_UTF8, uri);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    // Values up to 32 are the function's errors.
    if (result > 32)
        return true;
    failure = "ShellExecuteW failed with " + std::to_string(result) +
              (result == SE_ERR_NOASSOC ? " (no mail client is registered for mailto:)" : "");
    return false;
}

}  // namespace pivlon::win32
