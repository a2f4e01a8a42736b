#pragma once

#include <windows.h>

namespace pivlon::standins {

// What both stand-ins' windows need alike.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure);
// A font that shows Japanese; owned by the caller.
HFONT CreateJapaneseFont();
void UseFont(HWND control, HFONT font);
// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

}  // namespace pivlon::standins
