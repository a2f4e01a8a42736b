#pragma once

#include "platform/Utf8Converter.h"

namespace pivlon::win32 {

// The converter of the Windows builds: code page 932 and CP_UTF8 through UTF-16.
class Win32Utf8Converter : public Utf8Converter {
  public:
    std::optional<std::string> ShiftJisToUtf8(std::string_view shiftJis) const override;
    std::optional<std::string> Utf8ToShiftJis(std::string_view utf8) const override;
};

}  // namespace pivlon::win32
