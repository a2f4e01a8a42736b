#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/win32/Dialog.h"

namespace pivlon::win32::testing {

// A dialog made from one of the program's templates with no behaviour of its
// own, recording the commands it receives.
class TemplateDialog : public Dialog {
  public:
    explicit TemplateDialog(int templateId) : Dialog(GetModuleHandleW(nullptr), templateId) {}

    std::vector<std::pair<WORD, WORD>> commands;  // id, notification code

  protected:
    bool OnCommand(WORD id, WORD code) override {
        commands.emplace_back(id, code);
        return Dialog::OnCommand(id, code);
    }
};

}  // namespace pivlon::win32::testing
