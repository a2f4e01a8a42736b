#pragma once

#include <string>

namespace pivlon::win32 {

// The running program's file name without folder and extension ("pivlon" for
// C:\tools\pivlon.exe): the caption of message boxes that have none of their own.
std::wstring ApplicationTitle();

// The same cut applied to any path.
std::wstring TitleOfPath(const std::wstring& path);

}  // namespace pivlon::win32
