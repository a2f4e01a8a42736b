#include "platform/IconvUtf8Converter.h"

#include "platform/IconvConversion.h"

namespace pivlon {

std::optional<std::string> IconvUtf8Converter::ShiftJisToUtf8(std::string_view shiftJis) const {
    return ConvertWithIconv("UTF-8", "CP932", shiftJis);
}

std::optional<std::string> IconvUtf8Converter::Utf8ToShiftJis(std::string_view utf8) const {
    return ConvertWithIconv("CP932", "UTF-8", utf8);
}

}  // namespace pivlon
