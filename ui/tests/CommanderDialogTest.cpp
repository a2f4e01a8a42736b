#include "ui/CommanderDialog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fakes/FakeDialogHost.h"
#include "fakes/FakeProfileStore.h"
#include "fakes/FakeSystem.h"
#include "support/ShiftJisOf.h"
#include "ui/PageRules.h"

namespace pivlon {
namespace {

using testing::FakeDialogHost;
using testing::FakeProfileStore;
using testing::FakeSystem;

const Message kCatalogError = Message::Of(MessageId::CatalogError);
const Message kInvalidNumber = Message::Of(MessageId::InvalidMemberNumber);

constexpr const char* kCatalog =
    "[red]\r\nType=1\r\nTo=red-ctl@example.org\r\nInfo1=Red list\r\nInfo2=second line\r\n"
    "[green]\r\nType=2\r\nTo=green-ctl@example.org\r\n"
    "[blue]\r\nType=3\r\nTo=blue-ctl@example.org\r\n"
    "[broken]\r\nType=9\r\nTo=broken-ctl@example.org\r\n";

class CommanderDialogTest : public ::testing::Test {
  protected:
    CommanderDialogTest() { store_.files["Pivlon.dat"] = kCatalog; }

    void Start() { dialog_.InitDialog(); }
    // The user picks entry `index` of the list selector.
    void Pick(int index) {
        host_.selected = index;
        dialog_.SwitchList();
    }
    std::string Settings() { return store_.files["Pivlon.ini"]; }

    FakeDialogHost host_;
    FakeSystem system_;
    FakeProfileStore store_;
    CommanderDialog dialog_{host_, system_, store_};
};

// --- Start -------------------------------------------------------------------------------------

TEST_F(CommanderDialogTest, StartLoadsTheFirstListWithTheInitialValues) {
    store_.files["Pivlon.ini"] = "[red]\r\nMailAddr=me@example.org\r\nMemberNo=12\r\n";
    Start();

    EXPECT_EQ(host_.tabs, (std::vector<std::string>{testing::ShiftJisOf("入/退会"),
                                                    testing::ShiftJisOf("ﾀﾞｲｼﾞｪｽﾄ"),
                                                    testing::ShiftJisOf("その他")}));
    EXPECT_EQ(host_.currentTab, 0);
    EXPECT_EQ(host_.entries, (std::vector<std::string>{"red", "green", "blue", "broken"}));
    EXPECT_EQ(host_.selected, 0);
    EXPECT_EQ(host_.Text(IDC_DESCRIPTION), "Red list\r\nsecond line\r\n");
    EXPECT_EQ(host_.Text(IDC_TYPE_LABEL), "Majordomo");
    EXPECT_EQ(host_.Text(IDC_MAIL_ADDRESS), "me@example.org");
    EXPECT_EQ(host_.Text(IDC_MEMBER_NUMBER), "12");
    EXPECT_EQ(host_.Text(IDC_PASSWORD), "");
    EXPECT_EQ(host_.Text(IDC_PARAMETER), "30mp");
    for (int id : {IDC_JOIN, IDC_DIGEST_JOIN, IDC_HELP, IDC_NO_SIGNATURE}) {
        EXPECT_EQ(host_.Check(id), 1) << id;
    }
    for (int id : {IDC_LEAVE, IDC_PAUSE, IDC_RESUME, IDC_CHANGE_ADDRESS, IDC_DIGEST_LEAVE,
                   IDC_INDEX, IDC_GET, IDC_SPECIFY_ADDRESS}) {
        EXPECT_EQ(host_.Check(id), 0) << id;
    }
    EXPECT_FALSE(host_.At(IDC_PAUSE).shown);  // Majordomo offers no pause
    EXPECT_FALSE(host_.At(IDC_TEST).shown);
    EXPECT_TRUE(host_.messages.empty());
    EXPECT_EQ(dialog_.Values().request.listName, "red");
    EXPECT_EQ(store_.writes, 0);
}

TEST_F(CommanderDialogTest, StartReadsTheSenderPath) {
    store_.files["Pivlon.ini"] = "[Pivlon]\r\nDravex=C:\\Program Files\\Ko-Post\\Dravex.exe\r\n";
    Start();
    EXPECT_EQ(dialog_.Values().senderPath, "C:\\Program Files\\Ko-Post\\Dravex.exe");
}

TEST_F(CommanderDialogTest, AnEmptyCatalogReportsOneCatalogErrorAtStart) {
    store_.files.erase("Pivlon.dat");
    Start();
    EXPECT_EQ(host_.entries.size(), 0u);
    EXPECT_EQ(host_.messages, std::vector<Message>{kCatalogError});
    EXPECT_EQ(dialog_.Values().request.listName, "");
}

// --- List switch -------------------------------------------------------------------------------

TEST_F(CommanderDialogTest, SwitchingStoresTheLeftListAndShowsTheNewOne) {
    store_.files["Pivlon.ini"] =
        "[blue]\r\nMailAddr=blue@example.org\r\nMemberNo=77\r\nPassword=pw\r\n";
    Start();
    host_.Type(IDC_MAIL_ADDRESS, "typed@example.org");
    Pick(2);

    EXPECT_EQ(Settings(),
              "[blue]\r\nMailAddr=blue@example.org\r\nMemberNo=77\r\nPassword=pw\r\n"
              "[red]\r\nMailAddr=typed@example.org\r\nMemberNo=0\r\nPassword=\r\n");
    EXPECT_EQ(host_.Text(IDC_MAIL_ADDRESS), "blue@example.org");
    EXPECT_EQ(host_.Text(IDC_MEMBER_NUMBER), "77");
    EXPECT_EQ(host_.Text(IDC_PASSWORD), "pw");
    EXPECT_EQ(host_.Text(IDC_TYPE_LABEL), "CML");
    EXPECT_TRUE(host_.At(IDC_PASSWORD).shown);

    Pick(0);
    EXPECT_EQ(host_.Text(IDC_MAIL_ADDRESS), "typed@example.org");
}

TEST_F(CommanderDialogTest, ValuesThatAreNotStoredCarryOverToTheNextList) {
    Start();
    host_.Type(IDC_NEW_ADDRESS, "new@example.org");
    host_.Type(IDC_PARAMETER, "10mp");
    host_.Type(IDC_MAIL_NUMBERS, "1-3");
    host_.ClickOption(IDC_CHANGE_ADDRESS,
                      {IDC_JOIN, IDC_LEAVE, IDC_PAUSE, IDC_RESUME, IDC_CHANGE_ADDRESS});
    host_.SetCheck(IDC_SPECIFY_ADDRESS, 1);
    host_.SetCheck(IDC_NO_SIGNATURE, 0);
    Pick(1);
    EXPECT_EQ(host_.Text(IDC_NEW_ADDRESS), "new@example.org");
    EXPECT_EQ(host_.Text(IDC_PARAMETER), "10mp");
    EXPECT_EQ(host_.Text(IDC_MAIL_NUMBERS), "1-3");
    EXPECT_EQ(host_.Check(IDC_CHANGE_ADDRESS), 1);
    EXPECT_EQ(host_.Check(IDC_JOIN), 0);
    EXPECT_EQ(host_.Check(IDC_SPECIFY_ADDRESS), 1);
    EXPECT_EQ(host_.Check(IDC_NO_SIGNATURE), 0);
    EXPECT_EQ(dialog_.Values().joinLeaveOption, 4);
}

TEST_F(CommanderDialogTest, TheSelectorKeepsTheListWhoseNameMatchesExactly) {
    store_.files["Pivlon.dat"] = "[ab-extra]\r\nType=1\r\nTo=a@x\r\n[AB]\r\nType=2\r\nTo=b@x\r\n";
    Start();
    Pick(1);
    EXPECT_EQ(host_.selected, 1);
    EXPECT_EQ(dialog_.Values().request.listName, "AB");
    EXPECT_EQ(host_.Text(IDC_TYPE_LABEL), "FML");
}

TEST_F(CommanderDialogTest, ACatalogErrorAtLoadKeepsTheTypeLabelAndLaysOutForNoType) {
    Start();
    Pick(1);  // FML
    Pick(3);  // Type=9
    EXPECT_EQ(host_.messages, std::vector<Message>{kCatalogError});
    EXPECT_EQ(host_.Text(IDC_TYPE_LABEL), "FML");
    EXPECT_EQ(dialog_.Values().request.serverType, 9);
    EXPECT_TRUE(host_.At(IDC_PAUSE).shown);
    EXPECT_FALSE(host_.At(IDC_MEMBER_NUMBER).shown);
}

TEST_F(CommanderDialogTest, ChangingTheListLaysOutTheCurrentPageOnly) {
    Start();
    host_.currentTab = DigestPage;
    dialog_.SwitchPage();
    Pick(1);  // FML: the parameter shows on the digest page
    EXPECT_TRUE(host_.At(IDC_PARAMETER).shown);
    EXPECT_FALSE(host_.At(IDC_JOIN).shown);
    host_.currentTab = JoinLeavePage;
    dialog_.SwitchPage();
    EXPECT_TRUE(host_.At(IDC_PAUSE).shown);
    EXPECT_FALSE(host_.At(IDC_PARAMETER).shown);
}

// --- Validation --------------------------------------------------------------------------------

TEST_F(CommanderDialogTest, AnInvalidNumberStopsTheExchangeAtThatStep) {
    Start();
    dialog_.Values().request.password = "held";
    host_.Type(IDC_MAIL_ADDRESS, "typed@example.org");
    host_.Type(IDC_MEMBER_NUMBER, "12x");
    host_.Type(IDC_PASSWORD, "typed-pw");
    EXPECT_FALSE(dialog_.ExchangeData(Direction::Save));
    EXPECT_EQ(host_.messages, std::vector<Message>{kInvalidNumber});
    EXPECT_EQ(host_.focus, IDC_MEMBER_NUMBER);
    EXPECT_EQ(dialog_.Values().request.mailAddress, "typed@example.org");
    EXPECT_EQ(dialog_.Values().request.memberNumber, 0u);
    EXPECT_EQ(dialog_.Values().request.password, "held");
}

TEST_F(CommanderDialogTest, AnOptionClickWithAnEmptyNumberWarnsOnceAndStillUpdatesStates) {
    Start();
    Pick(2);
    host_.Type(IDC_MEMBER_NUMBER, "");
    host_.ClickOption(IDC_CHANGE_ADDRESS,
                      {IDC_JOIN, IDC_LEAVE, IDC_PAUSE, IDC_RESUME, IDC_CHANGE_ADDRESS});
    dialog_.UpdateOptionStates();
    EXPECT_EQ(host_.messages, std::vector<Message>{kInvalidNumber});
    EXPECT_TRUE(host_.At(IDC_NEW_ADDRESS).enabled);
    EXPECT_TRUE(host_.At(IDC_NEW_ADDRESS_LABEL).enabled);
    // The exchange stopped before the options: the value still names Join.
    EXPECT_EQ(dialog_.Values().joinLeaveOption, 0);
}

TEST_F(CommanderDialogTest, ASwitchWithAnInvalidNumberWarnsTwiceAndStoresTheHeldValues) {
    store_.files["Pivlon.ini"] = "[blue]\r\nMailAddr=old@x\r\nMemberNo=5\r\nPassword=pw\r\n";
    Start();
    Pick(2);
    host_.Type(IDC_MAIL_ADDRESS, "typed@x");
    host_.Type(IDC_MEMBER_NUMBER, "");
    host_.Type(IDC_PASSWORD, "typed-pw");
    Pick(0);
    EXPECT_EQ(host_.messages, (std::vector<Message>{kInvalidNumber, kInvalidNumber}));
    EXPECT_EQ(Settings(),
              "[blue]\r\nMailAddr=typed@x\r\nMemberNo=5\r\nPassword=pw\r\n"
              "[red]\r\nMailAddr=\r\nMemberNo=0\r\nPassword=\r\n");
    EXPECT_EQ(host_.Text(IDC_MEMBER_NUMBER), "0");  // red's number, loaded afterwards
    EXPECT_EQ(dialog_.Values().request.listName, "red");
}

// --- Close -------------------------------------------------------------------------------------

TEST_F(CommanderDialogTest, ClosingStoresTheCurrentListAndEndsWithCancel) {
    Start();
    Pick(2);
    host_.Type(IDC_MEMBER_NUMBER, "-5");
    host_.Type(IDC_PASSWORD, "secret");
    dialog_.ExitDialog();
    EXPECT_EQ(Settings(),
              "[red]\r\nMailAddr=\r\nMemberNo=0\r\nPassword=\r\n"
              "[blue]\r\nMailAddr=\r\nMemberNo=-5\r\nPassword=secret\r\n");
    EXPECT_EQ(host_.endResult, 2);
}

TEST_F(CommanderDialogTest, NothingIsStoredOnTabChangesOptionClicksOrSend) {
    Start();
    host_.Type(IDC_MAIL_ADDRESS, "typed@x");
    host_.currentTab = OtherPage;
    dialog_.SwitchPage();
    dialog_.UpdateOptionStates();
    dialog_.SendCommand();
    EXPECT_EQ(store_.writes, 0);
}

// --- Sender path -------------------------------------------------------------------------------

TEST_F(CommanderDialogTest, ChoosingTheSenderStoresItAndReloadsTheControls) {
    Start();
    host_.Type(IDC_MAIL_ADDRESS, "typed but not exchanged");
    host_.senderPathAnswer = "C:\\Program Files\\Ko-Post\\Dravex.exe";
    dialog_.ChooseSender();
    EXPECT_EQ(host_.shownSenderPath, "");
    EXPECT_EQ(dialog_.Values().senderPath, "C:\\Program Files\\Ko-Post\\Dravex.exe");
    EXPECT_EQ(Settings(), "[Pivlon]\r\nDravex=C:\\Program Files\\Ko-Post\\Dravex.exe\r\n");
    EXPECT_EQ(host_.Text(IDC_MAIL_ADDRESS), "");

    host_.senderPathAnswer = "";
    dialog_.ChooseSender();
    EXPECT_EQ(Settings(), "[Pivlon]\r\nDravex=\r\n");
}

TEST_F(CommanderDialogTest, CancellingTheSenderDialogChangesNothing) {
    store_.files["Pivlon.ini"] = "[Pivlon]\r\nDravex=D:\\mail\\dravex.exe\r\n";
    Start();
    host_.Type(IDC_MAIL_ADDRESS, "typed");
    dialog_.ChooseSender();
    EXPECT_EQ(host_.shownSenderPath, "D:\\mail\\dravex.exe");
    EXPECT_EQ(dialog_.Values().senderPath, "D:\\mail\\dravex.exe");
    EXPECT_EQ(store_.writes, 0);
    EXPECT_EQ(host_.Text(IDC_MAIL_ADDRESS), "typed");
}

// --- Send --------------------------------------------------------------------------------------

TEST_F(CommanderDialogTest, SendComposesFromTheCurrentTabAndItsOption) {
    Start();
    system_.OpenWindow("kopost");
    host_.currentTab = OtherPage;
    dialog_.SwitchPage();
    host_.Type(IDC_MAIL_NUMBERS, "1-2");
    host_.ClickOption(IDC_GET, {IDC_HELP, IDC_INDEX, IDC_GET});
    dialog_.SendCommand();
    EXPECT_EQ(dialog_.Values().mailText,
              "TO: red-ctl@example.org\nSubject: Get red [1-2]\n\nget 1\nget 2\nend\n");
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(CommanderDialogTest, OnlyTheShownPagesOptionChoosesTheOperation) {
    const std::initializer_list<int> joinLeave{IDC_JOIN, IDC_LEAVE, IDC_PAUSE, IDC_RESUME,
                                               IDC_CHANGE_ADDRESS};
    const std::initializer_list<int> digest{IDC_DIGEST_JOIN, IDC_DIGEST_LEAVE};
    const std::initializer_list<int> other{IDC_HELP, IDC_INDEX, IDC_GET};
    struct Case {
        int tab;
        int button;  // checked in its group; 0 leaves the shown page's group unchecked
        std::initializer_list<int> group;
        std::string subjectLine;  // empty: nothing is composed
    };
    const std::vector<Case> cases = {
        {JoinLeavePage, IDC_JOIN, joinLeave, "Subject: Subscribe green"},
        {JoinLeavePage, IDC_LEAVE, joinLeave, "Subject: UnSubscribe green"},
        {JoinLeavePage, IDC_PAUSE, joinLeave, "Subject: Off green"},
        {JoinLeavePage, IDC_RESUME, joinLeave, "Subject: On green"},
        {JoinLeavePage, IDC_CHANGE_ADDRESS, joinLeave, "Subject: Address Change green"},
        {DigestPage, IDC_DIGEST_JOIN, digest, "Subject: digest on green"},
        {DigestPage, IDC_DIGEST_LEAVE, digest, "Subject: digest off green"},
        {OtherPage, IDC_HELP, other, "Subject: Help green"},
        {OtherPage, IDC_INDEX, other, "Subject: Index green"},
        {OtherPage, IDC_GET, other, "Subject: Get green []"},
        {JoinLeavePage, 0, joinLeave, ""},
        {DigestPage, 0, digest, ""},
        {OtherPage, 0, other, ""},
        {3, IDC_JOIN, joinLeave, ""},
    };
    Start();
    Pick(1);
    system_.OpenWindow("kopost");
    for (const Case& each : cases) {
        SCOPED_TRACE(each.subjectLine);
        // The pages not shown have their last option checked, which must play no part.
        host_.ClickOption(IDC_CHANGE_ADDRESS, joinLeave);
        host_.ClickOption(IDC_DIGEST_LEAVE, digest);
        host_.ClickOption(IDC_GET, other);
        host_.ClickOption(each.button, each.group);
        host_.currentTab = each.tab;
        dialog_.Values().mailText = "held";
        dialog_.SendCommand();
        const std::string& mail = dialog_.Values().mailText;
        EXPECT_EQ(each.subjectLine.empty()
                      ? mail
                      : mail.substr(mail.find('\n') + 1, each.subjectLine.size()),
                  each.subjectLine.empty() ? "held" : each.subjectLine);
        EXPECT_TRUE(host_.messages.empty());
    }
}

TEST_F(CommanderDialogTest, SendWithAnInvalidNumberWarnsOnceAndSendsNothing) {
    Start();
    Pick(2);
    system_.OpenWindow("kopost");
    host_.ClickOption(IDC_LEAVE, {IDC_JOIN, IDC_LEAVE, IDC_PAUSE, IDC_RESUME, IDC_CHANGE_ADDRESS});
    host_.Type(IDC_MEMBER_NUMBER, "12x");
    host_.messages.clear();
    const std::size_t callsBefore = system_.calls.size();
    dialog_.SendCommand();
    EXPECT_EQ(host_.messages, std::vector<Message>{kInvalidNumber});
    EXPECT_EQ(dialog_.Values().mailText, "");
    EXPECT_EQ(system_.calls.size(), callsBefore);
}

TEST_F(CommanderDialogTest, SendWithoutTheMailClientComposesNothing) {
    Start();
    Pick(3);  // a broken list: still only the mail-client message
    host_.messages.clear();
    dialog_.SendCommand();
    EXPECT_EQ(host_.messages, std::vector<Message>{Message::Of(MessageId::MailClientNotRunning)});
    EXPECT_EQ(dialog_.Values().mailText, "");
}

}  // namespace
}  // namespace pivlon
