#include "tests/support/win32/MailClientRunning.h"

#include <stdexcept>

#include "tests/support/win32/ChildProcesses.h"
#include "tests/support/win32/Standins.h"
#include "tests/support/win32/TopLevelWindows.h"

namespace pivlon::testing {

MailClientRunning::MailClientRunning()
    : client_(StandinPath(kMailClientProgram), L'"' + StandinPath(kMailClientProgram) + L'"') {
    if (!client_.Started() || !client_.WaitForWindow(L"kopost", kWindowPatienceMs))
        throw std::runtime_error("the stand-in mail client did not start");
}

MailClientRunning::~MailClientRunning() {
    CloseProcess(client_.Id());
}

}  // namespace pivlon::testing
