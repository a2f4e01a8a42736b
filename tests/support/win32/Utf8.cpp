#include "tests/support/win32/Utf8.h"

#include <windows.h>

#include "platform/win32/Encoding.h"

namespace pivlon::testing {

std::wstring FromUtf8(const std::string& utf8) {
    return win32::ToUtf16(CP_UTF8, utf8);
}

std::string ToUtf8(const std::wstring& utf16) {
    return win32::FromUtf16(CP_UTF8, utf16);
}

}  // namespace pivlon::testing
