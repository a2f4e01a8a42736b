#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pivlon::testing {

using EnvironmentVariables = std::vector<std::pair<std::wstring, std::wstring>>;

// A program started by a test, ended by the test's end at the latest so that
// no window of it is left for the next test to find.
class ChildProcess {
  public:
    // `program` names the file to start (empty: the system searches for the
    // first word of `commandLine`); `environment` is added to ours.
    ChildProcess(const std::wstring& program, const std::wstring& commandLine,
                 const EnvironmentVariables& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return information_.hProcess != nullptr; }
    // Why CreateProcessW refused, when it did.
    DWORD StartError() const { return startError_; }
    DWORD Id() const { return information_.dwProcessId; }
    // True when the program waits for input within the time.
    bool WaitForInputIdle(DWORD milliseconds) const;
    // The exit code, or nullopt while it still runs after the time.
    std::optional<DWORD> WaitForExit(DWORD milliseconds) const;
    // A top-level window of this class that belongs to this process, or nullptr after the time.
    HWND WaitForWindow(const wchar_t* className, DWORD milliseconds) const;

  private:
    PROCESS_INFORMATION information_{};
    DWORD startError_ = ERROR_SUCCESS;
};

}  // namespace pivlon::testing
