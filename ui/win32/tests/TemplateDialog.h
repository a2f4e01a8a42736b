#pragma once

#include <windows.h>

#include "ui/win32/Dialog.h"

namespace pivlon::win32::testing {

// A dialog made from one of the program's templates with no behaviour of its own.
class TemplateDialog : public Dialog {
  public:
    explicit TemplateDialog(int templateId) : Dialog(GetModuleHandleW(nullptr), templateId) {}
};

}  // namespace pivlon::win32::testing
