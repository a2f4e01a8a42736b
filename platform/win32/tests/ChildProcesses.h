#pragma once

#include <string>
#include <vector>

namespace pivlon::win32::testing {

struct ChildProcess {
    unsigned long id;
    std::wstring exeName;  // without folder
};

// The running processes that this process started.
std::vector<ChildProcess> ChildProcesses();

// Closes the windows of every process this one started and waits for them to end;
// those that stay are ended by force. Tests leave no stand-in behind.
void CloseChildProcesses();

}  // namespace pivlon::win32::testing
