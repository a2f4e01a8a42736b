#pragma once

#include <windows.h>

#include <string>

#include "platform/DialogHost.h"
#include "ui/win32/Dialog.h"

namespace pivlon::win32 {

// The dialog host over a real dialog window: controls reached by their IDs,
// texts converted between Shift-JIS and UTF-16 at this boundary only.
class Win32DialogHost : public DialogHost {
  public:
    // `dialog` may not have its window yet; every call looks it up afresh.
    // `applicationTitle` captions the messages that have no caption of their own.
    Win32DialogHost(Dialog& dialog, std::wstring applicationTitle);

    std::string Text(int id) const override;
    void SetText(int id, const std::string& text) override;
    int Check(int id) const override;
    void SetCheck(int id, int state) override;
    void Show(int id, bool show) override;
    void Enable(int id, bool enable) override;
    void FocusAndSelectAll(int id) override;

    void AddListEntry(const std::string& name) override;
    int ListEntryCount() const override;
    std::string ListEntry(int index) const override;
    void SelectListEntry(int index) override;

    void InsertTab(int index, const std::string& text) override;
    int CurrentTab() const override;

    void ShowMessage(const Message& message) override;
    bool RunSenderPathDialog(std::string& path) override;
    void RunAboutDialog() override;
    void EndDialog(int result) override;

  private:
    HWND Control(int id) const;
    LRESULT SendToControl(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    Dialog& dialog_;
    std::wstring applicationTitle_;
};

}  // namespace pivlon::win32
