#include "tests/support/win32/TemporaryDirectory.h"

#include <windows.h>

namespace pivlon::testing {

std::wstring TemporaryDirectory() {
    wchar_t buffer[MAX_PATH + 1];
    return std::wstring(buffer, GetTempPathW(MAX_PATH + 1, buffer));
}

}  // namespace pivlon::testing
