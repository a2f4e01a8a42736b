#include "ui/CommanderDialog.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "command/ComposeCommand.h"
#include "diag/TestDump.h"
#include "tables/Operations.h"
#include "tables/ServerFamilies.h"
#include "ui/MemberNumberText.h"
#include "ui/PageRules.h"
#include "ui/ResourceIds.h"

namespace pivlon {

namespace {

constexpr int kCancelResult = 2;

// Each page's option value, in the order in which the exchange treats them.
using PageOption = std::pair<int, int CommanderValues::*>;
constexpr std::array<PageOption, kPageCount> kPageOptions{{
    {OtherPage, &CommanderValues::otherOption},
    {JoinLeavePage, &CommanderValues::joinLeaveOption},
    {DigestPage, &CommanderValues::digestOption},
}};

// Tab texts: "入/退会", "ﾀﾞｲｼﾞｪｽﾄ", "その他".
constexpr std::array<const char*, 3> kTabTexts{
    "\x93\xfc/\x91\xde\x89\xef", "\xc0\xde\xb2\xbc\xde\xaa\xbd\xc4", "\x82\xbb\x82\xcc\x91\xbc"};

// Check boxes hold 0, 1 or 2 (indeterminate); anything else is reset before it is shown.
int CheckState(int value) {
    return value >= 0 && value <= 2 ? value : 0;
}

void ExchangeText(DialogHost& host, Direction direction, int id, std::string& value) {
    if (direction == Direction::Save) {
        value = host.Text(id);
    } else {
        host.SetText(id, value);
    }
}

void ExchangeCheck(DialogHost& host, Direction direction, int id, int& value) {
    if (direction == Direction::Save) {
        value = host.Check(id);
    } else {
        value = CheckState(value);
        host.SetCheck(id, value);
    }
}

// The page's option buttons, in the order of their option values.
std::vector<int> OptionButtonsOf(int page) {
    std::vector<int> buttons;
    while (const OperationRow* row = FindOperationAt(page, static_cast<int>(buttons.size())))
        buttons.push_back(row->optionControl);
    return buttons;
}

void ExchangeOption(DialogHost& host, Direction direction, int page, int& value) {
    const std::vector<int> group = OptionButtonsOf(page);
    if (direction == Direction::Save) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (host.Check(group[i]) == 1) {
                value = static_cast<int>(i);
                break;
            }
        }
    } else {
        for (std::size_t i = 0; i < group.size(); ++i) {
            host.SetCheck(group[i], static_cast<int>(i) == value ? 1 : 0);
        }
    }
}

// The selector keeps showing the list whose data the dialog holds: the entry
// is matched by its exact name, never by a prefix.
void ExchangeListName(DialogHost& host, Direction direction, std::string& listName) {
    if (direction == Direction::Save) {
        listName = host.Text(IDC_LIST_NAME);
        return;
    }
    for (int i = 0, count = host.ListEntryCount(); i < count; ++i) {
        if (host.ListEntry(i) == listName) {
            host.SelectListEntry(i);
            return;
        }
    }
}

bool ExchangeMemberNumber(DialogHost& host, Direction direction, std::uint32_t& memberNumber) {
    if (direction == Direction::Load) {
        host.SetText(IDC_MEMBER_NUMBER, std::to_string(memberNumber));
        return true;
    }
    const auto typed = ReadMemberNumber(host.Text(IDC_MEMBER_NUMBER));
    if (!typed) {
        host.ShowMessage(Message::Of(MessageId::InvalidMemberNumber));
        host.FocusAndSelectAll(IDC_MEMBER_NUMBER);
        return false;
    }
    memberNumber = *typed;
    return true;
}

}  // namespace

CommanderDialog::CommanderDialog(DialogHost& host, System& system, ProfileStore& store)
    : host_(host), system_(system), catalog_(store, host), settings_(store) {}

bool CommanderDialog::ExchangeData(Direction direction) {
    CommandRequest& request = values_.request;
    ExchangeListName(host_, direction, request.listName);
    ExchangeText(host_, direction, IDC_MAIL_NUMBERS, request.mailNumbers);
    ExchangeText(host_, direction, IDC_DESCRIPTION, values_.description);
    ExchangeText(host_, direction, IDC_MAIL_ADDRESS, request.mailAddress);
    ExchangeCheck(host_, direction, IDC_SPECIFY_ADDRESS, request.specifyAddress);
    ExchangeText(host_, direction, IDC_PARAMETER, request.parameter);
    ExchangeText(host_, direction, IDC_TYPE_LABEL, values_.typeLabel);
    // An invalid member number stops the exchange here: the values after it keep what they held.
    if (!ExchangeMemberNumber(host_, direction, request.memberNumber))
        return false;
    ExchangeText(host_, direction, IDC_PASSWORD, request.password);
    ExchangeCheck(host_, direction, IDC_NO_SIGNATURE, values_.noSignature);
    for (const auto& [page, option] : kPageOptions)
        ExchangeOption(host_, direction, page, values_.*option);
    ExchangeText(host_, direction, IDC_NEW_ADDRESS, request.newAddress);
    return true;
}

void CommanderDialog::InitDialog() {
    ExchangeData(Direction::Load);
    values_.senderPath = settings_.LoadSenderPath();
    for (int tab = 0; tab < static_cast<int>(kTabTexts.size()); ++tab) {
        host_.InsertTab(tab, kTabTexts[tab]);
    }
    for (const std::string& name : catalog_.ListNames())
        host_.AddListEntry(name);
    host_.SelectListEntry(0);
    LoadList();
}

void CommanderDialog::LoadList() {
    ExchangeData(Direction::Save);
    CommandRequest& request = values_.request;
    values_.description = catalog_.ReadDescription(request.listName);
    if (catalog_.ReadServerType(request.listName, request.serverType)) {
        values_.typeLabel = FindServerFamily(request.serverType)->name;
    }
    ShowPage(host_, host_.CurrentTab(), true, request.serverType);
    const MemberRecord member = settings_.LoadMember(request.listName);
    request.mailAddress = member.mailAddress;
    request.memberNumber = member.memberNumber;
    request.password = member.password;
    ExchangeData(Direction::Load);
}

void CommanderDialog::SwitchList() {
    const std::string leftList = values_.request.listName;
    ExchangeData(Direction::Save);
    SaveMemberOf(leftList);
    LoadList();
}

void CommanderDialog::SwitchPage() {
    pivlon::SwitchPage(host_, values_.request.serverType);
}

void CommanderDialog::UpdateOptionStates() {
    ExchangeData(Direction::Save);
    ApplyEnableRules(host_);
}

void CommanderDialog::SendCommand() {
    MailHandoff(system_, host_).SendCommand(*this);
}

void CommanderDialog::TestDump() {
    if (WriteTestDump(host_, values_.request, values_.mailText, catalog_, system_)) {
        ExchangeData(Direction::Save);
    }
}

void CommanderDialog::ExitDialog() {
    ExchangeData(Direction::Save);
    SaveMemberOf(values_.request.listName);
    host_.EndDialog(kCancelResult);
}

void CommanderDialog::ChooseSender() {
    std::string enteredPath = values_.senderPath;
    if (!host_.RunSenderPathDialog(enteredPath))
        return;
    values_.senderPath = enteredPath;
    settings_.SaveSenderPath(values_.senderPath);
    ExchangeData(Direction::Load);
}

void CommanderDialog::SaveMemberOf(const std::string& listName) {
    const CommandRequest& request = values_.request;
    settings_.SaveMember(listName, {request.mailAddress, request.memberNumber, request.password});
}

bool CommanderDialog::SaveControls() {
    return ExchangeData(Direction::Save);
}

// Only the shown page's option counts; the other pages' options keep their values.
std::optional<CommandOperation> CommanderDialog::ChosenOperation() const {
    const int page = host_.CurrentTab();
    const auto shown = std::ranges::find(kPageOptions, page, &PageOption::first);
    if (shown == kPageOptions.end())
        return std::nullopt;
    const OperationRow* row = FindOperationAt(page, values_.*shown->second);
    return row ? std::optional(row->operation) : std::nullopt;
}

bool CommanderDialog::ComposeMail() {
    const std::optional<CommandOperation> operation = ChosenOperation();
    return operation && ComposeCommand(values_.request, *operation, values_.mailText, catalog_) ==
                            ComposeResult::composed;
}

}  // namespace pivlon
