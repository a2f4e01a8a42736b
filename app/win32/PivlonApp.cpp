// The program's entry point: the commander window is the main window and its
// modal run is the only message loop; when it ends, the program ends.
#include <windows.h>

#include <commctrl.h>

#include "ui/win32/ApplicationTitle.h"
#include "ui/win32/CommanderWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The tab control needs its class registered; the dialogs look the same
    // without the rest, so a failure here is not fatal.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    pivlon::win32::CommanderWindow window(instance, pivlon::win32::ApplicationTitle());
    window.RunModal(nullptr);
    return 0;
}
