#include "tables/Operations.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "command/ParseMailNumbers.h"
#include "ui/Page.h"
#include "ui/ResourceIds.h"

namespace pivlon {
namespace {

using enum TemplateField;
using ServerType::CML;
using ServerType::FML;
using ServerType::Majordomo;

constexpr CommandTemplate kMajordomoSubscribe =
    TemplateWithAddress("TO: %s\nSubject: Subscribe %s\n\nsubscribe %s",
                        {commandAddress, listName, listName}, mailAddress, "\nend\n");
constexpr CommandTemplate kMajordomoUnsubscribe =
    TemplateWithAddress("TO: %s\nSubject: UnSubscribe %s\n\nunsubscribe %s",
                        {commandAddress, listName, listName}, mailAddress, "\nend\n");
// CML resumes delivery with the same Send command that ends digest delivery.
constexpr CommandTemplate kCmlSend =
    Template("TO: %s\nSubject: Send\n\n%d %s", {commandAddress, memberNumber, password});

// Majordomo has no address change: the mail unsubscribes the registered address and
// subscribes the new one.
std::string SubscribeNewAddress(const CommandRequest& request) {
    static constexpr CommandTemplate kSubscribeNewAddress =
        TemplateWithAddress("subscribe %s", {listName}, newAddress, "\nend\n");
    return FillTemplate(kSubscribeNewAddress, request);
}

// A Majordomo get fetches one mail, so the numbers follow as one command each. An invalid
// number text asks for no mail; the mail still goes out with its "end".
std::string GetEachMailNumber(const CommandRequest& request) {
    MailNumberList numbers;
    const int count = ParseMailNumbers(request.mailNumbers, numbers);
    std::string commands;
    for (int index = 0; index < count; ++index) {
        commands += "get " + std::to_string(numbers[index]) + "\n";
    }
    return commands + "end\n";
}

constexpr auto kJoin = std::to_array<FamilyMail>({
    {Majordomo, kMajordomoSubscribe},
    {FML, TemplateWithAddress("TO: %s\nSubject: Subscribe %s\n\n#subscribe",
                              {commandAddress, listName}, mailAddress, "\n#end\n")},
    {CML, Template("TO: %s\nSubject: Append\n\n", {commandAddress})},
});

constexpr auto kLeave = std::to_array<FamilyMail>({
    {Majordomo, kMajordomoUnsubscribe},
    {FML, TemplateWithAddress("TO: %s\nSubject: UnSubscribe %s\n\n#unsubscribe",
                              {commandAddress, listName}, mailAddress, "\n#end\n")},
    {CML, Template("TO: %s\nSubject: Delete\n\n%d %s", {commandAddress, memberNumber, password})},
});

constexpr auto kPause = std::to_array<FamilyMail>({
    {FML, Template("TO: %s\nSubject: Off %s\n\n#off\n#end\n", {commandAddress, listName})},
    {CML, Template("TO: %s\nSubject: Stop\n\n%d %s", {commandAddress, memberNumber, password})},
});

constexpr auto kResume = std::to_array<FamilyMail>({
    {FML, Template("TO: %s\nSubject: On %s\n\n#on\n#end\n", {commandAddress, listName})},
    {CML, kCmlSend},
});

constexpr auto kChangeAddress = std::to_array<FamilyMail>({
    {Majordomo,
     TemplateWithAddress("TO: %s\nSubject: Address Change %s\n\nunsubscribe %s",
                         {commandAddress, listName, listName}, mailAddress, "\n"),
     SubscribeNewAddress},
    {FML, Template("TO: %s\nSubject: Address Change %s\n\n#chaddr %s %s\n#end\n",
                   {commandAddress, listName, mailAddress, newAddress})},
    {CML, Template("TO: %s\nSubject: Address\n\n%d %s\nADDRESS %s\n",
                   {commandAddress, memberNumber, password, newAddress})},
});

constexpr auto kDigestJoin = std::to_array<FamilyMail>({
    {Majordomo, kMajordomoSubscribe},
    {FML, Template("TO: %s\nSubject: digest on %s\n\n#matome %s\n#end\n",
                   {commandAddress, listName, parameter})},
    {CML, Template("TO: %s\nSubject: Digest\n\n%d %s", {commandAddress, memberNumber, password})},
});

constexpr auto kDigestLeave = std::to_array<FamilyMail>({
    {Majordomo, kMajordomoUnsubscribe},
    {FML,
     Template("TO: %s\nSubject: digest off %s\n\n#matome 0\n#end\n", {commandAddress, listName})},
    {CML, kCmlSend},
});

constexpr auto kHelp = std::to_array<FamilyMail>({
    {Majordomo, Template("TO: %s\nSubject: Help %s\n\nhelp\nend\n", {commandAddress, listName})},
    {FML, Template("TO: %s\nSubject: Help %s\n\n#help\n#end\n", {commandAddress, listName})},
    {CML, Template("TO: %s\nSubject: Help\n\n", {commandAddress})},
});

constexpr auto kIndex = std::to_array<FamilyMail>({
    {Majordomo, Template("TO: %s\nSubject: Index %s\n\nindex %s\nend\n",
                         {commandAddress, listName, listName})},
    {FML, Template("TO: %s\nSubject: Index %s\n\n#index\n#end\n", {commandAddress, listName})},
    {CML, Template("TO: %s\nSubject: List\n\nLIST ALL\n", {commandAddress})},
});

constexpr auto kGet = std::to_array<FamilyMail>({
    {Majordomo,
     Template("TO: %s\nSubject: Get %s [%s]\n\n", {commandAddress, listName, mailNumbers}),
     GetEachMailNumber},
    {FML, Template("TO: %s\nSubject: Get %s [%s]\n\n#get %s\n#end\n",
                   {commandAddress, listName, mailNumbers, mailNumbers})},
    {CML, Template("TO: %s\nSubject: Get\n\nGET %s\n", {commandAddress, mailNumbers})},
});

// The dump's order is its own, not that of the tab pages.
constexpr auto kOperations = std::to_array<OperationRow>({
    {CommandOperation::Join, kJoin, false, JoinLeavePage, 0, IDC_JOIN, "\x20\x93\xfc\x89\xef\x20",
     1},  // " 入会 "
    {CommandOperation::Leave, kLeave, false, JoinLeavePage, 1, IDC_LEAVE,
     "\x20\x91\xde\x89\xef\x20", 2},  // " 退会 "
    {CommandOperation::Pause, kPause, false, JoinLeavePage, 2, IDC_PAUSE,
     "\x20\x88\xea\x8e\x9e\x92\xe2\x8e\x7e\x20", 4},  // " 一時停止 "
    {CommandOperation::Resume, kResume, false, JoinLeavePage, 3, IDC_RESUME,
     "\x20\x8d\xc4\x8a\x4a\x20", 5},  // " 再開 "
    {CommandOperation::ChangeAddress, kChangeAddress, false, JoinLeavePage, 4, IDC_CHANGE_ADDRESS,
     "\x20\xb1\xc4\xde\xda\xbd\x95\xcf\x8d\x58\x20", 3},  // " ｱﾄﾞﾚｽ変更 "
    {CommandOperation::DigestJoin, kDigestJoin, true, DigestPage, 0, IDC_DIGEST_JOIN,
     "\x20\x83\x5f\x83\x43\x83\x57\x83\x46\x83\x58\x83\x67\x93\xfc\x89\xef\x20",
     6},  // " ダイジェスト入会 "
    {CommandOperation::DigestLeave, kDigestLeave, true, DigestPage, 1, IDC_DIGEST_LEAVE,
     "\x20\x83\x5f\x83\x43\x83\x57\x83\x46\x83\x58\x83\x67\x91\xde\x89\xef\x20",
     7},  // " ダイジェスト退会 "
    {CommandOperation::Help, kHelp, false, OtherPage, 0, IDC_HELP,
     "\x20\x83\x77\x83\x8b\x83\x76\x20", 10},  // " ヘルプ "
    {CommandOperation::Index, kIndex, false, OtherPage, 1, IDC_INDEX,
     "\x20\x83\x43\x83\x93\x83\x66\x83\x62\x83\x4e\x83\x58\x20", 8},  // " インデックス "
    {CommandOperation::Get, kGet, false, OtherPage, 2, IDC_GET, "\x20\x82\x66\x82\x64\x82\x73\x20",
     9},  // " ＧＥＴ "
});

// RowOf finds a row by its operation's number.
constexpr bool RowsFollowTheOperations() {
    for (std::size_t index = 0; index < kOperations.size(); ++index) {
        if (kOperations[index].operation != static_cast<CommandOperation>(index))
            return false;
    }
    return true;
}
static_assert(RowsFollowTheOperations());

}  // namespace

std::span<const OperationRow> Operations() {
    return kOperations;
}

const OperationRow& RowOf(CommandOperation operation) {
    return kOperations[static_cast<std::size_t>(operation)];
}

const OperationRow* FindOperationAt(int page, int option) {
    const auto found = std::ranges::find_if(kOperations, [&](const OperationRow& row) {
        return row.page == page && row.option == option;
    });
    return found == kOperations.end() ? nullptr : &*found;
}

const FamilyMail* FindMail(const OperationRow& row, int serverType) {
    const auto found = std::ranges::find(row.mails, serverType, &FamilyMail::serverType);
    return found == row.mails.end() ? nullptr : &*found;
}

}  // namespace pivlon
