#pragma once

#include <optional>
#include <string>

#include "platform/Message.h"
#include "platform/System.h"

namespace pivlon {

// What a send needs of the commander dialog.
class SendSource {
  public:
    virtual ~SendSource() = default;
    // ExchangeData in the save direction; false when the form could not be read, its
    // message shown.
    virtual bool SaveControls() = 0;
    virtual bool ComposeMail() = 0;  // ComposeCommand on the dialog's own values
    virtual const std::string& MailText() const = 0;
    virtual bool NoSignature() const = 0;
    virtual const std::string& SenderPath() const = 0;
};

// Carries a composed mail over to the mail client's sender program. Keeps nothing between sends.
class MailHandoff {
  public:
    MailHandoff(System& system, MessageSink& messages);

    void SendCommand(SendSource& source);
    bool LaunchSender(const std::string& mailFilePath, bool noSignature,
                      const std::string& senderPath);

  private:
    // Each reports its own failure and leaves no mail file behind.
    std::optional<std::string> CreateMailFile();
    bool WriteMailFile(const std::string& path, const SendSource& source);

    void SelectNoSignature(Process& sender);

    System& system_;
    MessageSink& messages_;
};

}  // namespace pivlon
