#pragma once

#include <string>

namespace pivlon::testing {

// The stand-ins record what they received as UTF-8, whatever the ANSI code page.
std::wstring FromUtf8(const std::string& utf8);
std::string ToUtf8(const std::wstring& utf16);

}  // namespace pivlon::testing
