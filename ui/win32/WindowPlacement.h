#pragma once

#include <windows.h>

namespace pivlon::win32 {

// Centres a window over its owner, or on the screen when it has none (or the
// owner is hidden or minimized), keeping it inside the screen's work area.
void CentreWindow(HWND window);

}  // namespace pivlon::win32
