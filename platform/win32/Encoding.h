#pragma once

#include <string>

namespace pivlon::win32 {

// The only conversions between the core's Shift-JIS bytes and the W API's UTF-16.
std::wstring Widen(const std::string& shiftJis);
std::string Narrow(const std::wstring& utf16);

}  // namespace pivlon::win32
