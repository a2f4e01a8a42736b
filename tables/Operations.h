#pragma once

#include <span>
#include <string>
#include <string_view>

#include "command/CommandOperation.h"
#include "command/CommandRequest.h"
#include "command/CommandTemplate.h"

namespace pivlon {

// Appends what a template alone cannot say, such as one command per mail number.
using MailStep = std::string (*)(const CommandRequest& request);

// One family's mail for one operation.
struct FamilyMail {
    int serverType;
    CommandTemplate mail;
    MailStep then = nullptr;
};

// Everything about one operation: its mails, where the window offers it and where the
// dump writes it. Composing reads the mails and the digest mark only.
struct OperationRow {
    CommandOperation operation;
    std::span<const FamilyMail> mails;
    // Sent for the digest list's name where the family's digest is a list of its own.
    bool digest;
    int page;                    // the tab page that offers it (ui/Page.h)
    int option;                  // its index among the option buttons of that page
    int optionControl;           // that option button's control ID
    std::string_view dumpLabel;  // Shift-JIS, with its blank on either side
    int dumpPosition;            // 1 for the first section of a dump's record
};

// In the order of CommandOperation.
std::span<const OperationRow> Operations();
const OperationRow& RowOf(CommandOperation operation);
// The operation that option `option` of tab page `page` chooses; nullptr for none.
const OperationRow* FindOperationAt(int page, int option);
// nullptr where the row has no mail for the family.
const FamilyMail* FindMail(const OperationRow& row, int serverType);

}  // namespace pivlon
