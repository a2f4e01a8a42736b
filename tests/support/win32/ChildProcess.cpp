#include "tests/support/win32/ChildProcess.h"

#include <string_view>

#include "tests/support/win32/Polling.h"

namespace pivlon::testing {
namespace {

bool NamesVariable(std::wstring_view entry, const std::wstring& name) {
    return entry.size() > name.size() && entry[name.size()] == L'=' &&
           _wcsnicmp(entry.data(), name.c_str(), name.size()) == 0;
}

bool IsReplaced(std::wstring_view entry, const EnvironmentVariables& additions) {
    for (const auto& addition : additions) {
        if (NamesVariable(entry, addition.first))
            return true;
    }
    return false;
}

// Our environment block with `additions` set in it.
std::wstring EnvironmentBlockWith(const EnvironmentVariables& additions) {
    wchar_t* strings = GetEnvironmentStringsW();
    std::wstring block;
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
        if (!IsReplaced(entry, additions))
            block.append(entry).push_back(L'\0');
    }
    FreeEnvironmentStringsW(strings);
    for (const auto& [name, value] : additions)
        block.append(name + L'=' + value).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

struct WindowSearch {
    const wchar_t* className;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[256];
    if (owner == search->processId && GetClassNameW(window, className, 256) > 0 &&
        wcscmp(className, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& commandLine,
                           const EnvironmentVariables& environment) {
    std::wstring writableCommandLine = commandLine;
    std::wstring block = EnvironmentBlockWith(environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.empty() ? nullptr : program.c_str(), writableCommandLine.data(),
                        nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT, block.data(), nullptr,
                        &startup, &information_)) {
        startError_ = GetLastError();
        information_ = {};
    }
}

ChildProcess::~ChildProcess() {
    if (!Started())
        return;
    if (!WaitForExit(0)) {
        TerminateProcess(information_.hProcess, 1);
        WaitForSingleObject(information_.hProcess, 5000);
    }
    CloseHandle(information_.hThread);
    CloseHandle(information_.hProcess);
}

bool ChildProcess::WaitForInputIdle(DWORD milliseconds) const {
    return ::WaitForInputIdle(information_.hProcess, milliseconds) == 0;
}

std::optional<DWORD> ChildProcess::WaitForExit(DWORD milliseconds) const {
    if (WaitForSingleObject(information_.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(information_.hProcess, &exitCode);
    return exitCode;
}

HWND ChildProcess::WaitForWindow(const wchar_t* className, DWORD milliseconds) const {
    WindowSearch search{className, information_.dwProcessId, nullptr};
    PollUntil(milliseconds, [&] {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

}  // namespace pivlon::testing
