#pragma once

#include "platform/Terminal.h"

namespace pivlon::win32 {

// The Windows console: texts through WriteConsoleW, so Japanese shows whatever
// the console's code page; redirected to a file or a pipe, texts are UTF-8 and
// bytes go out in binary mode, with no line end changed.
class Win32Terminal : public Terminal {
  public:
    Win32Terminal();
    bool WriteText(OutputStream stream, std::string_view utf8) override;
    void WriteBytes(std::string_view bytes) override;
};

}  // namespace pivlon::win32
