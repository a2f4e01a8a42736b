#pragma once

#include <string>

#include "ui/win32/Dialog.h"

namespace pivlon::win32 {

// Asks where the sender program lives: typed in as a full path, or picked in
// the file-open dialog.
class SenderPathDialog : public Dialog {
  public:
    SenderPathDialog(HINSTANCE instance, std::wstring enteredPath);

    // After the dialog ended with OK: the field's text as it then stood.
    const std::wstring& EnteredPath() const { return enteredPath_; }

  protected:
    INT_PTR OnInitDialog() override;
    bool OnCommand(WORD id, WORD code) override;
    void OnOk() override;

  private:
    void BrowseSender();

    std::wstring enteredPath_;
};

}  // namespace pivlon::win32
