#include "tests/support/win32/MailClientRunning.h"

#include <stdexcept>
#include <string>

#include "tests/support/win32/ChildProcesses.h"
#include "tests/support/win32/Standins.h"
#include "tests/support/win32/TopLevelWindows.h"

namespace pivlon::testing {

MailClientRunning::MailClientRunning()
    : client_(StandinPath(kMailClientProgram), L'"' + StandinPath(kMailClientProgram) + L'"') {
    if (!client_.Started()) {
        throw std::runtime_error("the stand-in mail client could not be started: error " +
                                 std::to_string(client_.StartError()));
    }
    if (!client_.WaitForWindow(L"kopost", kWindowPatienceMs))
        throw std::runtime_error("the stand-in mail client showed no window");
}

MailClientRunning::~MailClientRunning() {
    CloseProcess(client_.Id());
}

}  // namespace pivlon::testing
