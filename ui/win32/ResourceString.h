#pragma once

#include <windows.h>

#include <string>

namespace pivlon::win32 {

// A string-table entry of any length; empty when the entry is missing.
std::wstring LoadResourceString(HINSTANCE instance, UINT id);

}  // namespace pivlon::win32
