#pragma once

#include <string>

#include <windows.h>

namespace pivlon::win32::testing {

// The stand-in program `fileName` ("kopost.exe", "dravex.exe") in the folder the build put them.
std::wstring StandinPath(const std::wstring& fileName);

// Starts a program and waits until it is idle for input; the test's teardown closes it.
bool StartProgram(const std::wstring& commandLine);

// The top-level window of this class, waiting up to 10 s for it to appear; nullptr if none.
HWND WaitForWindow(const wchar_t* className);

// The text of the selected entry of another process's combo box.
std::wstring SelectedComboText(HWND combo);

}  // namespace pivlon::win32::testing
