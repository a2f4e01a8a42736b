#include "ui/win32/CommanderWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "tables/Operations.h"
#include "ui/ResourceIds.h"
#include "ui/win32/ResourceString.h"

namespace pivlon::win32 {

namespace {

bool IsOptionButton(WORD id) {
    return std::ranges::any_of(Operations(),
                               [id](const OperationRow& row) { return row.optionControl == id; });
}

}  // namespace

CommanderWindow::CommanderWindow(HINSTANCE instance, std::wstring applicationTitle)
    : Dialog(instance, IDD_COMMANDER),
      icon_(LoadIconW(instance, MAKEINTRESOURCEW(IDI_PIVLON))),
      host_(*this, std::move(applicationTitle)),
      commander_(host_, system_, store_) {}

std::optional<INT_PTR> CommanderWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_SYSCOMMAND:
            return OnSystemCommand(wParam);
        case WM_PAINT:
            return PaintMinimized();
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(icon_);
        case WM_CTLCOLORSTATIC:
            return ColourOnPage(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        case WM_THEMECHANGED:
            pageBackground_.Refresh(Tabs());
            return std::nullopt;
        default:
            return Dialog::OnMessage(message, wParam, lParam);
    }
}

INT_PTR CommanderWindow::OnInitDialog() {
    AppendAboutItem();
    SetIcons();
    pageBackground_.Refresh(Tabs());
    commander_.InitDialog();
    return TRUE;
}

bool CommanderWindow::OnCommand(WORD id, WORD code) {
    if (id == IDC_LIST_NAME && code == CBN_SELCHANGE) {
        commander_.SwitchList();
        return true;
    }
    if (IsOptionButton(id) && code == BN_CLICKED) {
        commander_.UpdateOptionStates();
        return true;
    }
    switch (id) {
        case IDC_SEND:
            commander_.SendCommand();
            return true;
        case IDC_TEST:
            commander_.TestDump();
            return true;
        case IDM_CHOOSE_SENDER:
            commander_.ChooseSender();
            return true;
        default:
            return Dialog::OnCommand(id, code);
    }
}

// Enter arrives as the OK command; the layout has no OK button, Enter sends.
void CommanderWindow::OnOk() {
    commander_.SendCommand();
}

void CommanderWindow::OnCancel() {
    commander_.ExitDialog();
}

void CommanderWindow::AppendAboutItem() {
    const std::wstring text = LoadResourceString(Instance(), IDS_ABOUTBOX);
    if (text.empty())
        return;
    HMENU menu = GetSystemMenu(Window(), FALSE);
    if (menu == nullptr)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
}

void CommanderWindow::SetIcons() {
    SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

std::optional<INT_PTR> CommanderWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom != IDC_TABS || header.code != TCN_SELCHANGE)
        return std::nullopt;
    commander_.SwitchPage();
    SetWindowLongPtrW(Window(), DWLP_MSGRESULT, 0);
    return TRUE;
}

std::optional<INT_PTR> CommanderWindow::OnSystemCommand(WPARAM command) {
    // The low four bits of a system command are the system's own; every
    // identifier from 16 to 31 is the About item.
    if ((LOWORD(command) & 0xFFF0) == IDM_ABOUTBOX) {
        host_.RunAboutDialog();
        return TRUE;
    }
    if ((command & 0xFFF0) == SC_CLOSE) {
        OnCancel();
        return TRUE;
    }
    return std::nullopt;
}

std::optional<INT_PTR> CommanderWindow::PaintMinimized() {
    if (!IsIconic(Window()))
        return std::nullopt;
    PAINTSTRUCT paint{};
    HDC surface = BeginPaint(Window(), &paint);
    SendMessageW(Window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(surface), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(Window(), &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(surface, x, y, icon_);
    EndPaint(Window(), &paint);
    return TRUE;
}

std::optional<INT_PTR> CommanderWindow::ColourOnPage(HWND control, HDC surface) const {
    HBRUSH brush = pageBackground_.BrushFor(Tabs(), control, surface);
    if (brush == nullptr)
        return std::nullopt;
    return reinterpret_cast<INT_PTR>(brush);
}

HWND CommanderWindow::Tabs() const {
    return GetDlgItem(Window(), IDC_TABS);
}

}  // namespace pivlon::win32
