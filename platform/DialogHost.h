#pragma once

#include <string>

#include "platform/Message.h"

namespace pivlon {

// The commander dialog's window as the core sees it: controls addressed by
// their numeric IDs, texts in Shift-JIS.
class DialogHost : public MessageSink {
  public:
    // Any text control: edit field, label, or the selected entry of the list selector.
    virtual std::string Text(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    // Check boxes and option buttons: 0 unchecked, 1 checked.
    virtual int Check(int id) const = 0;
    virtual void SetCheck(int id, int state) = 0;
    virtual void Show(int id, bool show) = 0;
    virtual void Enable(int id, bool enable) = 0;
    // Moves the keyboard focus to an edit field and selects its whole text.
    virtual void FocusAndSelectAll(int id) = 0;

    // The list selector (control 1000): an unsorted drop-down list.
    virtual void AddListEntry(const std::string& name) = 0;
    virtual int ListEntryCount() const = 0;
    virtual std::string ListEntry(int index) const = 0;
    // Selects without any selection-change notification; -1 clears it.
    virtual void SelectListEntry(int index) = 0;

    // The tab control (control 1028).
    virtual void InsertTab(int index, const std::string& text) = 0;
    virtual int CurrentTab() const = 0;  // -1 when none

    // The two small dialogs, run modally over the commander dialog.
    // RunSenderPathDialog shows `path` and, on OK, stores the entered path in it.
    virtual bool RunSenderPathDialog(std::string& path) = 0;
    virtual void RunAboutDialog() = 0;

    // Ends the modal run of the commander dialog with this result.
    virtual void EndDialog(int result) = 0;
};

}  // namespace pivlon
