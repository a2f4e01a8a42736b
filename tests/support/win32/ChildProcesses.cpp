#include "tests/support/win32/ChildProcesses.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <tlhelp32.h>

namespace pivlon::testing {
namespace {

// Closing asks the program, which may be slow to answer under load.
constexpr DWORD kCloseWaitMilliseconds = 10000;

BOOL CALLBACK CloseWindowOf(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId))
        PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

std::vector<ChildProcessEntry> ChildProcesses() {
    std::vector<ChildProcessEntry> children;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return children;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == GetCurrentProcessId())
            children.push_back({entry.th32ProcessID, entry.szExeFile});
    }
    CloseHandle(snapshot);
    return children;
}

void CloseProcess(unsigned long processId) {
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
    if (process == nullptr)
        return;
    EnumWindows(CloseWindowOf, static_cast<LPARAM>(processId));
    if (WaitForSingleObject(process, kCloseWaitMilliseconds) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, kCloseWaitMilliseconds);
    }
    CloseHandle(process);
}

void CloseChildProcesses() {
    for (const ChildProcessEntry& child : ChildProcesses())
        CloseProcess(child.id);
}

}  // namespace pivlon::testing
