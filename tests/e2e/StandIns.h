#pragma once

#include <windows.h>

#include <string>

namespace pivlon::e2e {

// The folder holding the stand-in mail client and sender, from the test's environment.
std::wstring StandInsFolder();

// The program under test, built beside the stand-ins' folder.
std::wstring PivlonExe();

// The stand-in mail client, running for as long as this object lives.
class MailClientRunning {
  public:
    MailClientRunning();
    ~MailClientRunning();
    MailClientRunning(const MailClientRunning&) = delete;
    MailClientRunning& operator=(const MailClientRunning&) = delete;

  private:
    PROCESS_INFORMATION process_{};
};

// Waits for a top-level window of this class; nullptr after `milliseconds`.
HWND WaitForWindow(const wchar_t* className, DWORD milliseconds);
// Closes every top-level window of this class and waits until they are gone.
void CloseWindows(const wchar_t* className);

}  // namespace pivlon::e2e
