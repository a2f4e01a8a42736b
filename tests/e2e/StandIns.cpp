#include "StandIns.h"

#include <stdexcept>

namespace pivlon::e2e {

namespace {
constexpr DWORD kPollMs = 20;
constexpr DWORD kWaitMs = 20000;
}  // namespace

std::wstring StandInsFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetEnvironmentVariableW(L"PIVLON_STANDINS_DIR", folder, MAX_PATH);
    return folder;
}

std::wstring PivlonExe() {
    return StandInsFolder() + L"\\..\\app\\win32\\pivlon.exe";
}

MailClientRunning::MailClientRunning() {
    std::wstring exe = StandInsFolder() + L"\\kopost.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_) ||
        !WaitForWindow(L"kopost", kWaitMs)) {
        throw std::runtime_error("the stand-in mail client did not start");
    }
}

MailClientRunning::~MailClientRunning() {
    CloseWindows(L"kopost");
    if (WaitForSingleObject(process_.hProcess, kWaitMs) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND WaitForWindow(const wchar_t* className, DWORD milliseconds) {
    for (DWORD waited = 0;; waited += kPollMs) {
        if (HWND window = FindWindowW(className, nullptr))
            return window;
        if (waited >= milliseconds)
            return nullptr;
        Sleep(kPollMs);
    }
}

void CloseWindows(const wchar_t* className) {
    for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
        HWND window = FindWindowW(className, nullptr);
        if (!window)
            return;
        PostMessageW(window, WM_CLOSE, 0, 0);
        Sleep(kPollMs);
    }
}

}  // namespace pivlon::e2e
