#include "platform/win32/Encoding.h"

#include <windows.h>

namespace pivlon::win32 {

namespace {
constexpr UINT kShiftJis = 932;

std::optional<std::wstring> ConvertToUtf16(unsigned codePage, DWORD flags, std::string_view bytes) {
    if (bytes.empty())
        return std::wstring();
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    if (length == 0)
        return std::nullopt;
    std::wstring utf16(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), size, utf16.data(), length);
    return utf16;
}

// `usedDefault` is non-null only for the exact conversion: CP_UTF8 refuses the
// argument, and every character has a UTF-8 form anyway.
std::optional<std::string> ConvertFromUtf16(unsigned codePage, DWORD flags, std::wstring_view utf16,
                                            BOOL* usedDefault) {
    if (utf16.empty())
        return std::string();
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(codePage, flags, utf16.data(), size, nullptr, 0, nullptr, usedDefault);
    if (length == 0 || (usedDefault != nullptr && *usedDefault))
        return std::nullopt;
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, utf16.data(), size, bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

}  // namespace

std::wstring ToUtf16(unsigned codePage, std::string_view bytes) {
    return ConvertToUtf16(codePage, 0, bytes).value_or(std::wstring());
}

std::string FromUtf16(unsigned codePage, std::wstring_view utf16) {
    return ConvertFromUtf16(codePage, 0, utf16, nullptr).value_or(std::string());
}

std::optional<std::wstring> ToUtf16Exactly(unsigned codePage, std::string_view bytes) {
    return ConvertToUtf16(codePage, MB_ERR_INVALID_CHARS, bytes);
}

std::optional<std::string> FromUtf16Exactly(unsigned codePage, std::wstring_view utf16) {
    if (codePage == CP_UTF8)
        return ConvertFromUtf16(codePage, WC_ERR_INVALID_CHARS, utf16, nullptr);
    BOOL usedDefault = FALSE;
    return ConvertFromUtf16(codePage, WC_NO_BEST_FIT_CHARS, utf16, &usedDefault);
}

std::wstring Widen(const std::string& shiftJis) {
    return ToUtf16(kShiftJis, shiftJis);
}

std::string Narrow(const std::wstring& utf16) {
    return FromUtf16(kShiftJis, utf16);
}

}  // namespace pivlon::win32
