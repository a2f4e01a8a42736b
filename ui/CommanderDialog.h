#pragma once

#include <string>

#include "catalog/ListCatalog.h"
#include "catalog/MemberSettings.h"
#include "command/CommandRequest.h"
#include "handoff/MailHandoff.h"
#include "platform/DialogHost.h"
#include "platform/ProfileStore.h"
#include "platform/System.h"

namespace pivlon {

enum class Direction { Save, Load };

// The values the commander dialog owns; the request carries the list name,
// member data, options and parameters that a command mail is made from.
struct CommanderValues {
    std::string senderPath;
    std::string mailText;
    CommandRequest request;
    std::string description;
    std::string typeLabel;
    int noSignature = 1;
};

// The logic of the program's main window. The Win32 layer owns the window and
// calls these handlers; everything it shows goes through the DialogHost.
class CommanderDialog : private SendSource {
  public:
    CommanderDialog(DialogHost& host, System& system, ProfileStore& store);

    // Handlers, in the order the window meets them.
    void InitDialog();          // once, when the window and its controls exist
    void SwitchList();          // the user changed the selection of the list selector
    void SwitchPage();          // the current tab changed
    void UpdateOptionStates();  // an option button was clicked
    void SendCommand();         // button "送信" or Enter
    void TestDump();            // the hidden button "テスト"
    void ExitDialog();          // command 2: "終了", the File menu item, Esc, the close box
    void ChooseSender();        // menu command 32771

    bool ExchangeData(Direction direction);
    void LoadList();

    CommanderValues& Values() { return values_; }
    const CommanderValues& Values() const { return values_; }
    const ListCatalog& Catalog() const { return catalog_; }

  private:
    void SaveMemberOf(const std::string& listName);

    // SendSource
    void SaveControls() override;
    bool ComposeMail() override;
    const std::string& MailText() const override { return values_.mailText; }
    bool NoSignature() const override { return values_.noSignature != 0; }
    const std::string& SenderPath() const override { return values_.senderPath; }

    DialogHost& host_;
    System& system_;
    ListCatalog catalog_;
    MemberSettings settings_;
    CommanderValues values_;
};

}  // namespace pivlon
