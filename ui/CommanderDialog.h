#pragma once

#include <optional>
#include <string>

#include "catalog/ListCatalog.h"
#include "catalog/MemberSettings.h"
#include "command/CommandOperation.h"
#include "command/CommandRequest.h"
#include "handoff/MailHandoff.h"
#include "platform/DialogHost.h"
#include "platform/ProfileStore.h"
#include "platform/System.h"

namespace pivlon {

enum class Direction { Save, Load };

// The values the commander dialog owns; the request carries the list name, member data
// and parameters that a command mail is made from. Each page's option is the index of its
// checked option button, -1 when none is.
struct CommanderValues {
    std::string senderPath;
    std::string mailText;
    CommandRequest request;
    std::string description;
    std::string typeLabel;
    int noSignature = 1;
    int otherOption = 0;
    int joinLeaveOption = 0;
    int digestOption = 0;
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
    // The operation that the current tab and its option name, if any.
    std::optional<CommandOperation> ChosenOperation() const;

    // SendSource
    bool SaveControls() override;
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
