#pragma once

#include <string>

#include "platform/win32/Win32ProfileStore.h"
#include "platform/win32/Win32System.h"
#include "ui/CommanderDialog.h"
#include "ui/win32/Dialog.h"
#include "ui/win32/TabPageBackground.h"
#include "ui/win32/Win32DialogHost.h"

namespace pivlon::win32 {

// The program's main window: routes the window's messages to the commander
// dialog's handlers and does what only a window can (system menu, icons,
// painting while minimized).
class CommanderWindow : public Dialog {
  public:
    CommanderWindow(HINSTANCE instance, std::wstring applicationTitle);

  protected:
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnInitDialog() override;
    bool OnCommand(WORD id, WORD code) override;
    void OnOk() override;
    void OnCancel() override;

  private:
    void AppendAboutItem();
    void SetIcons();
    std::optional<INT_PTR> OnNotify(const NMHDR& header);
    std::optional<INT_PTR> OnSystemCommand(WPARAM command);
    std::optional<INT_PTR> PaintMinimized();
    std::optional<INT_PTR> ColourOnPage(HWND control, HDC surface) const;
    HWND Tabs() const;

    // Loaded once; a shared icon stays valid for the whole run.
    HICON icon_;
    TabPageBackground pageBackground_;
    Win32DialogHost host_;
    Win32System system_;
    Win32ProfileStore store_;
    CommanderDialog commander_;
};

}  // namespace pivlon::win32
