#include "platform/win32/Encoding.h"

#include <windows.h>

namespace pivlon::win32 {

namespace {
constexpr UINT kShiftJis = 932;
}

std::wstring Widen(const std::string& shiftJis) {
    if (shiftJis.empty())
        return {};
    const int size = static_cast<int>(shiftJis.size());
    const int length = MultiByteToWideChar(kShiftJis, 0, shiftJis.data(), size, nullptr, 0);
    std::wstring utf16(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kShiftJis, 0, shiftJis.data(), size, utf16.data(), length);
    return utf16;
}

std::string Narrow(const std::wstring& utf16) {
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(kShiftJis, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string shiftJis(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kShiftJis, 0, utf16.data(), size, shiftJis.data(), length, nullptr,
                        nullptr);
    return shiftJis;
}

}  // namespace pivlon::win32
