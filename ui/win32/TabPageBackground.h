#pragma once

#include <windows.h>

namespace pivlon::win32 {

// The page controls lie on top of the tab control, not inside it. With visual
// styles the tab paints its page area in another colour than the dialog, so
// the labels, option buttons and check boxes there would stand in boxes of
// the dialog's colour; this paints their background in the page's colour.
class TabPageBackground {
  public:
    TabPageBackground() = default;
    ~TabPageBackground();
    TabPageBackground(const TabPageBackground&) = delete;
    TabPageBackground& operator=(const TabPageBackground&) = delete;

    // Takes the page colour of `tab` afresh: at start and whenever the theme changes.
    void Refresh(HWND tab);
    // The answer to WM_CTLCOLORSTATIC from `control`: a brush of the page
    // colour for a label or button lying on the tab, null to leave it to the system.
    HBRUSH BrushFor(HWND tab, HWND control, HDC surface) const;

  private:
    HBRUSH brush_ = nullptr;
    COLORREF colour_ = 0;
};

}  // namespace pivlon::win32
