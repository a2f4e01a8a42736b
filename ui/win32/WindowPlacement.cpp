#include "ui/win32/WindowPlacement.h"

#include <algorithm>

namespace pivlon::win32 {

namespace {

RECT WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

bool IsUsableOwner(HWND owner) {
    return owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
}

LONG CentredStart(LONG areaStart, LONG areaEnd, LONG size, LONG limitStart, LONG limitEnd) {
    const LONG start = areaStart + (areaEnd - areaStart - size) / 2;
    return std::max(limitStart, std::min(start, limitEnd - size));
}

}  // namespace

void CentreWindow(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    const RECT work = WorkArea(IsUsableOwner(owner) ? owner : window);
    RECT area = work;
    if (IsUsableOwner(owner))
        GetWindowRect(owner, &area);
    RECT frame{};
    GetWindowRect(window, &frame);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    const LONG x = CentredStart(area.left, area.right, width, work.left, work.right);
    const LONG y = CentredStart(area.top, area.bottom, height, work.top, work.bottom);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pivlon::win32
