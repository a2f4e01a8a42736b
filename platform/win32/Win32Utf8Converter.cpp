#include "platform/win32/Win32Utf8Converter.h"

#include <windows.h>

#include "platform/win32/Encoding.h"

namespace pivlon::win32 {
namespace {

constexpr unsigned kShiftJis = 932;

std::optional<std::string> Recode(unsigned from, unsigned to, std::string_view text) {
    const auto utf16 = ToUtf16Exactly(from, text);
    if (!utf16)
        return std::nullopt;
    return FromUtf16Exactly(to, *utf16);
}

}  // namespace

std::optional<std::string> Win32Utf8Converter::ShiftJisToUtf8(std::string_view shiftJis) const {
    return Recode(kShiftJis, CP_UTF8, shiftJis);
}

std::optional<std::string> Win32Utf8Converter::Utf8ToShiftJis(std::string_view utf8) const {
    return Recode(CP_UTF8, kShiftJis, utf8);
}

}  // namespace pivlon::win32
