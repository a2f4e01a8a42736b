#pragma once

#include <string>
#include <vector>

#include "handoff/MailHandoff.h"

namespace pivlon::testing {

// The commander dialog's side of a send; its calls join `calls` when one is given.
class FakeSendSource : public SendSource {
  public:
    explicit FakeSendSource(std::vector<std::string>* calls = nullptr) : calls_(calls) {}

    bool SaveControls() override {
        Log("SaveControls");
        return saves;
    }
    bool ComposeMail() override {
        Log("ComposeMail");
        return composes;
    }
    const std::string& MailText() const override { return mailText; }
    bool NoSignature() const override { return noSignature; }
    const std::string& SenderPath() const override { return senderPath; }

    bool saves = true;
    bool composes = true;
    std::string mailText;
    bool noSignature = false;
    std::string senderPath;

  private:
    void Log(const char* call) {
        if (calls_)
            calls_->push_back(call);
    }

    std::vector<std::string>* calls_;
};

}  // namespace pivlon::testing
