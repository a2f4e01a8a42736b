#pragma once

#include <string>

#include "ui/win32/Dialog.h"

namespace pivlon::win32 {

// The About box: the program's icon, version and a line about what it is.
class AboutDialog : public Dialog {
  public:
    explicit AboutDialog(HINSTANCE instance);

  protected:
    INT_PTR OnInitDialog() override;

  private:
    std::wstring versionText_;
    std::wstring noticeText_;
};

}  // namespace pivlon::win32
