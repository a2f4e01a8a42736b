#pragma once

#include "platform/Utf8Converter.h"

namespace pivlon {

// The converter of the native builds, over iconv's CP932, the same character
// set as Windows' code page 932 (its NEC and IBM extensions included).
class IconvUtf8Converter : public Utf8Converter {
  public:
    std::optional<std::string> ShiftJisToUtf8(std::string_view shiftJis) const override;
    std::optional<std::string> Utf8ToShiftJis(std::string_view utf8) const override;
};

}  // namespace pivlon
