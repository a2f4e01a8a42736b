#include "ui/win32/tests/DialogWatcher.h"

#include <stdexcept>
#include <utility>

#include "ui/win32/WindowText.h"

namespace pivlon::win32::testing {

namespace {

DialogWatcher* current = nullptr;
constexpr int kMessageBoxTextId = 0xFFFF;

HICON ShownIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        const bool iconControl = ClassOf(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON;
        if (!iconControl || !(style & WS_VISIBLE))
            continue;
        if (auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0))) {
            return icon;
        }
    }
    return nullptr;
}

}  // namespace

DialogWatcher::DialogWatcher(Action action)
    : action_(std::move(action)),
      hook_(SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId())) {
    if (hook_ == nullptr)
        throw std::runtime_error("no CBT hook");
    current = this;
}

DialogWatcher::~DialogWatcher() {
    current = nullptr;
    UnhookWindowsHookEx(hook_);
}

LRESULT CALLBACK DialogWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (ClassOf(window) == L"#32770") {
            current->activated_.push_back(window);
            // A timer message comes only when the queue holds nothing else.
            SetTimer(nullptr, 0, 0, Deliver);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogWatcher::Deliver(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (current == nullptr || current->activated_.empty())
        return;
    HWND window = current->activated_.front();
    current->activated_.pop_front();
    if (IsWindow(window))
        current->action_(window);
}

bool IsMessageBox(HWND box) {
    return GetDlgItem(box, kMessageBoxTextId) != nullptr;
}

SeenMessageBox ReadMessageBox(HWND box) {
    return {WindowText(GetDlgItem(box, kMessageBoxTextId)), WindowText(box), ShownIcon(box)};
}

void PostClick(HWND box, int buttonId) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

void PumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace pivlon::win32::testing
