#pragma once

#include <string>
#include <vector>

namespace pivlon::testing {

struct ChildProcessEntry {
    unsigned long id;
    std::wstring exeName;  // without folder
};

// The running processes that this process started.
std::vector<ChildProcessEntry> ChildProcesses();

// Closes the windows of the process and waits for it to end; when it stays, it
// is ended by force.
void CloseProcess(unsigned long processId);
// Closes every process this one started, the same way. Tests leave no stand-in behind.
void CloseChildProcesses();

}  // namespace pivlon::testing
