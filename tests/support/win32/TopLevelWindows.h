#pragma once

#include <windows.h>

namespace pivlon::testing {

// How long a stand-in or the program may take to show a window under a busy Wine.
inline constexpr DWORD kWindowPatienceMs = 10000;

// A top-level window of this class, whichever process owns it; nullptr after `milliseconds`.
HWND WaitForWindow(const wchar_t* className, DWORD milliseconds = kWindowPatienceMs);
// Closes every top-level window of this class and waits until they are gone.
void CloseWindows(const wchar_t* className);

}  // namespace pivlon::testing
