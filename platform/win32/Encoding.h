#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pivlon::win32 {

// Text in a code page's bytes and the W API's UTF-16, converted either way.
std::wstring ToUtf16(unsigned codePage, std::string_view bytes);
std::string FromUtf16(unsigned codePage, std::wstring_view utf16);

// The same, but nullopt instead of a replaced character: for a byte sequence
// that is not valid in the code page, or a character that has no form in it.
std::optional<std::wstring> ToUtf16Exactly(unsigned codePage, std::string_view bytes);
std::optional<std::string> FromUtf16Exactly(unsigned codePage, std::wstring_view utf16);

// The window program's conversions between the core's Shift-JIS bytes and the W API's UTF-16.
std::wstring Widen(const std::string& shiftJis);
std::string Narrow(const std::wstring& utf16);

}  // namespace pivlon::win32
