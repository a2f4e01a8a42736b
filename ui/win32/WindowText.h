#pragma once

#include <windows.h>

#include <string>

namespace pivlon::win32 {

// The whole text of a window or control, however long.
std::wstring WindowText(HWND window);

}  // namespace pivlon::win32
