#include "tests/support/win32/TopLevelWindows.h"

#include "tests/support/win32/Polling.h"

namespace pivlon::testing {
namespace {

// Closing asks the owner, which may be slow to answer under load.
constexpr DWORD kClosePatienceMs = 20000;

}  // namespace

HWND WaitForWindow(const wchar_t* className, DWORD milliseconds) {
    HWND window = nullptr;
    PollUntil(milliseconds, [&] {
        window = FindWindowW(className, nullptr);
        return window != nullptr;
    });
    return window;
}

void CloseWindows(const wchar_t* className) {
    PollUntil(kClosePatienceMs, [&] {
        const HWND window = FindWindowW(className, nullptr);
        if (window == nullptr)
            return true;
        PostMessageW(window, WM_CLOSE, 0, 0);
        return false;
    });
}

}  // namespace pivlon::testing
