#include "ui/win32/TabPageBackground.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <iterator>
#include <optional>

namespace pivlon::win32 {

namespace {

// Without visual styles the page is the dialog's own colour: nothing to do.
std::optional<COLORREF> PageColour(HWND tab) {
    HTHEME theme = OpenThemeData(tab, L"TAB");
    if (theme == nullptr)
        return std::nullopt;
    // The pane image is stretched with its borders at the edges; its middle is the page.
    constexpr int kSize = 64;
    RECT area{0, 0, kSize, kSize};
    HDC screen = GetDC(tab);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    DrawThemeBackground(theme, memory, TABP_PANE, 0, &area, nullptr);
    const COLORREF colour = GetPixel(memory, kSize / 2, kSize / 2);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(tab, screen);
    CloseThemeData(theme);
    if (colour == CLR_INVALID)
        return std::nullopt;
    return colour;
}

bool IsLabelOrButton(HWND control) {
    wchar_t name[16]{};
    GetClassNameW(control, name, static_cast<int>(std::size(name)));
    return lstrcmpiW(name, L"Static") == 0 || lstrcmpiW(name, L"Button") == 0;
}

bool LiesOn(HWND tab, HWND control) {
    RECT page{};
    RECT place{};
    GetWindowRect(tab, &page);
    GetWindowRect(control, &place);
    return place.left >= page.left && place.right <= page.right && place.top >= page.top &&
           place.bottom <= page.bottom;
}

}  // namespace

TabPageBackground::~TabPageBackground() {
    if (brush_ != nullptr)
        DeleteObject(brush_);
}

void TabPageBackground::Refresh(HWND tab) {
    if (brush_ != nullptr)
        DeleteObject(brush_);
    brush_ = nullptr;
    if (const auto colour = PageColour(tab)) {
        colour_ = *colour;
        brush_ = CreateSolidBrush(colour_);
    }
}

HBRUSH TabPageBackground::BrushFor(HWND tab, HWND control, HDC surface) const {
    if (brush_ == nullptr || !IsLabelOrButton(control) || !LiesOn(tab, control))
        return nullptr;
    SetBkColor(surface, colour_);
    return brush_;
}

}  // namespace pivlon::win32
