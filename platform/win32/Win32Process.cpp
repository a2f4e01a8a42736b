#include "platform/win32/Win32Process.h"

#include <windows.h>

namespace pivlon::win32 {

Win32Process::Win32Process(void* process, void* thread) : process_(process), thread_(thread) {}

Win32Process::~Win32Process() {
    CloseHandle(thread_);
    CloseHandle(process_);
}

void Win32Process::WaitForInputIdle(unsigned milliseconds) {
    ::WaitForInputIdle(process_, milliseconds);
}

bool Win32Process::HasEnded() {
    return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

}  // namespace pivlon::win32
