#include "platform/win32/Encoding.h"

#include <windows.h>

namespace pivlon::win32 {

namespace {
constexpr UINT kShiftJis = 932;
}

std::wstring ToUtf16(unsigned codePage, std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring utf16(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, utf16.data(), length);
    return utf16;
}

std::string FromUtf16(unsigned codePage, std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(codePage, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, utf16.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::wstring Widen(const std::string& shiftJis) {
    return ToUtf16(kShiftJis, shiftJis);
}

std::string Narrow(const std::wstring& utf16) {
    return FromUtf16(kShiftJis, utf16);
}

}  // namespace pivlon::win32
