#pragma once

#include <vector>

#include "platform/Message.h"

namespace pivlon::testing {

// Records every message box instead of showing it.
class RecordingMessages : public MessageSink {
  public:
    void ShowMessage(const Message& message) override { shown.push_back(message); }
    std::vector<Message> shown;
};

}  // namespace pivlon::testing
