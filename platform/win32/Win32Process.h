#pragma once

#include "platform/System.h"

namespace pivlon::win32 {

// The handles of a started process; destroying it closes the thread's, then the process's.
class Win32Process : public Process {
  public:
    Win32Process(void* process, void* thread);
    ~Win32Process() override;
    Win32Process(const Win32Process&) = delete;
    Win32Process& operator=(const Win32Process&) = delete;

    void WaitForInputIdle(unsigned milliseconds) override;
    bool HasEnded() override;

  private:
    void* process_;
    void* thread_;
};

}  // namespace pivlon::win32
