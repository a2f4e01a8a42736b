#include "platform/win32/tests/Standins.h"

#include <cstdlib>

namespace pivlon::win32::testing {

namespace {
constexpr DWORD kStartWaitMilliseconds = 10000;
constexpr DWORD kWindowWaitMilliseconds = 10000;
constexpr DWORD kPollMilliseconds = 50;
}  // namespace

std::wstring StandinPath(const std::wstring& fileName) {
    const wchar_t* folder = _wgetenv(L"PIVLON_STANDINS_DIR");
    return std::wstring(folder ? folder : L".") + L"\\" + fileName;
}

bool StartProgram(const std::wstring& commandLine) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return false;
    WaitForInputIdle(started.hProcess, kStartWaitMilliseconds);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

HWND WaitForWindow(const wchar_t* className) {
    for (DWORD waited = 0;; waited += kPollMilliseconds) {
        if (HWND window = FindWindowW(className, nullptr))
            return window;
        if (waited >= kWindowWaitMilliseconds)
            return nullptr;
        Sleep(kPollMilliseconds);
    }
}

std::wstring SelectedComboText(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return {};
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace pivlon::win32::testing
