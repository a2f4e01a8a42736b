#include "ui/win32/Win32DialogHost.h"

#include <commctrl.h>

#include <utility>

#include "platform/win32/Encoding.h"
#include "ui/ResourceIds.h"
#include "ui/win32/AboutDialog.h"
#include "ui/win32/MessageBoxContent.h"
#include "ui/win32/SenderPathDialog.h"
#include "ui/win32/WindowText.h"

namespace pivlon::win32 {

Win32DialogHost::Win32DialogHost(Dialog& dialog, std::wstring applicationTitle)
    : dialog_(dialog), applicationTitle_(std::move(applicationTitle)) {}

HWND Win32DialogHost::Control(int id) const {
    return GetDlgItem(dialog_.Window(), id);
}

LRESULT Win32DialogHost::SendToControl(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(Control(id), message, wParam, lParam);
}

std::string Win32DialogHost::Text(int id) const {
    if (id == IDC_LIST_NAME) {
        return ListEntry(static_cast<int>(SendToControl(IDC_LIST_NAME, CB_GETCURSEL)));
    }
    return Narrow(WindowText(Control(id)));
}

void Win32DialogHost::SetText(int id, const std::string& text) {
    SetWindowTextW(Control(id), Widen(text).c_str());
}

int Win32DialogHost::Check(int id) const {
    return static_cast<int>(SendToControl(id, BM_GETCHECK));
}

void Win32DialogHost::SetCheck(int id, int state) {
    SendToControl(id, BM_SETCHECK, static_cast<WPARAM>(state));
}

void Win32DialogHost::Show(int id, bool show) {
    ShowWindow(Control(id), show ? SW_SHOW : SW_HIDE);
}

void Win32DialogHost::Enable(int id, bool enable) {
    EnableWindow(Control(id), enable);
}

void Win32DialogHost::FocusAndSelectAll(int id) {
    SendMessageW(dialog_.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
    SendToControl(id, EM_SETSEL, 0, -1);
}

void Win32DialogHost::AddListEntry(const std::string& name) {
    SendToControl(IDC_LIST_NAME, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
}

int Win32DialogHost::ListEntryCount() const {
    const auto count = SendToControl(IDC_LIST_NAME, CB_GETCOUNT);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::string Win32DialogHost::ListEntry(int index) const {
    if (index < 0)
        return {};
    const auto length = SendToControl(IDC_LIST_NAME, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return {};
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = SendToControl(IDC_LIST_NAME, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<size_t>(copied == CB_ERR ? 0 : copied));
    return Narrow(entry);
}

void Win32DialogHost::SelectListEntry(int index) {
    SendToControl(IDC_LIST_NAME, CB_SETCURSEL, static_cast<WPARAM>(index));
}

void Win32DialogHost::InsertTab(int index, const std::string& text) {
    std::wstring wide = Widen(text);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = wide.data();
    SendToControl(IDC_TABS, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                  reinterpret_cast<LPARAM>(&item));
}

int Win32DialogHost::CurrentTab() const {
    return static_cast<int>(SendToControl(IDC_TABS, TCM_GETCURSEL));
}

void Win32DialogHost::ShowMessage(const Message& message) {
    const MessageBoxContent box = ComposeMessageBox(dialog_.Instance(), message, applicationTitle_);
    MessageBoxW(dialog_.Window(), box.text.c_str(), box.caption.c_str(), MB_OK | box.icon);
}

bool Win32DialogHost::RunSenderPathDialog(std::string& path) {
    SenderPathDialog dialog(dialog_.Instance(), Widen(path));
    if (dialog.RunModal(dialog_.Window()) != IDOK)
        return false;
    path = Narrow(dialog.EnteredPath());
    return true;
}

void Win32DialogHost::RunAboutDialog() {
    AboutDialog dialog(dialog_.Instance());
    dialog.RunModal(dialog_.Window());
}

void Win32DialogHost::EndDialog(int result) {
    dialog_.End(result);
}

}  // namespace pivlon::win32
