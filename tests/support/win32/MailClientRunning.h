#pragma once

#include "tests/support/win32/ChildProcess.h"

namespace pivlon::testing {

// The stand-in mail client, its window shown, for as long as this object
// lives; then closed as a user would close it. Throws when it does not start.
class MailClientRunning {
  public:
    MailClientRunning();
    ~MailClientRunning();
    MailClientRunning(const MailClientRunning&) = delete;
    MailClientRunning& operator=(const MailClientRunning&) = delete;

  private:
    ChildProcess client_;
};

}  // namespace pivlon::testing
