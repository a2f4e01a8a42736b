#include "tests/support/win32/Standins.h"

#include <windows.h>

#include <stdexcept>

namespace pivlon::testing {
namespace {

std::wstring StandinsFolder() {
    wchar_t folder[MAX_PATH + 1] = L"";
    const DWORD length = GetEnvironmentVariableW(L"PIVLON_STANDINS_DIR", folder, MAX_PATH + 1);
    // Without it every start would fail later, with a far less telling message.
    if (length == 0 || length > MAX_PATH) {
        throw std::runtime_error(
            "PIVLON_STANDINS_DIR is not set: run the test through ctest, or set it to the "
            "Windows path of the build's standins folder");
    }
    return folder;
}

}  // namespace

std::wstring StandinPath(const std::wstring& fileName) {
    return StandinsFolder() + L'\\' + fileName;
}

std::wstring PivlonExe() {
    return StandinsFolder() + L"\\..\\app\\win32\\pivlon.exe";
}

}  // namespace pivlon::testing
