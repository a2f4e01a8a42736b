// The real program, driven from outside through its windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "PivlonDriver.h"
#include "platform/win32/Encoding.h"
#include "tests/support/win32/MailClientRunning.h"
#include "tests/support/win32/MailFiles.h"
#include "tests/support/win32/ScratchFolder.h"
#include "tests/support/win32/Standins.h"
#include "tests/support/win32/TemporaryDirectory.h"
#include "tests/support/win32/TopLevelWindows.h"
#include "ui/ResourceIds.h"

namespace pivlon::e2e {

namespace {

using testing::CloseWindows;
using testing::kSenderProgram;
using testing::MailClientRunning;
using testing::MailFilesIn;
using testing::PivlonExe;
using testing::ScratchFolder;
using testing::StandinPath;
using testing::TemporaryDirectory;
using testing::WaitForWindow;

using win32::Narrow;

const std::wstring kCatalog =
    L"[majordomo-ml]\r\nType=1\r\nTo=majordomo@example.org\r\ndijest=majordomo-ml-digest\r\n"
    L"Info1=メジャードモの練習用リスト\r\nInfo2=二行目の説明\r\n"
    L"[fml-ml]\r\nType=2\r\nTo=fml-ctl@example.jp\r\nInfo1=FMLのリスト\r\n"
    L"[cml-ml]\r\nType=3\r\nTo=cml@example.jp\r\n"
    L"[壊れたリスト]\r\nType=9\r\nTo=broken@example.jp\r\n";
enum ListIndex { kMajordomo, kFml, kCml, kBroken };

const MessageBoxSeen kCatalogError{L"設定ファイルに異常があります\n作者に連絡して下さい", L"エラー",
                                   false};
const std::wstring kInvalidNumberText = L"正の整数を入力してください。";

class CommanderTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_.Write(L"Pivlon.dat", Narrow(kCatalog)); }
    PivlonDriver& Start() {
        driver_ = std::make_unique<PivlonDriver>(PivlonExe(), folder_.Path().wstring());
        return *driver_;
    }
    std::string Settings() const { return folder_.Read(L"Pivlon.ini"); }
    void ExpectSendThrough(const std::wstring& sender);

    ScratchFolder folder_;
    std::unique_ptr<PivlonDriver> driver_;
};

TEST_F(CommanderTest, StartsWithTheFirstListLoaded) {
    PivlonDriver& pivlon = Start();
    EXPECT_TRUE(pivlon.StartMessages().empty());
    EXPECT_EQ(pivlon.Caption(), L"pivlon Commander");
    EXPECT_EQ(pivlon.ListEntries(),
              (std::vector<std::wstring>{L"majordomo-ml", L"fml-ml", L"cml-ml", L"壊れたリスト"}));
    EXPECT_EQ(pivlon.SelectedListEntry(), 0);
    EXPECT_EQ(pivlon.Text(IDC_DESCRIPTION), L"メジャードモの練習用リスト\r\n二行目の説明\r\n");
    EXPECT_EQ(pivlon.Text(IDC_TYPE_LABEL), L"Majordomo");
    EXPECT_EQ(pivlon.CurrentTab(), 0);
    for (int id : {IDC_JOIN, IDC_DIGEST_JOIN, IDC_HELP, IDC_NO_SIGNATURE}) {
        EXPECT_TRUE(pivlon.Checked(id)) << id;
    }
    EXPECT_FALSE(pivlon.Checked(IDC_SPECIFY_ADDRESS));
    EXPECT_EQ(pivlon.Text(IDC_PARAMETER), L"30mp");
    EXPECT_EQ(pivlon.Text(IDC_MEMBER_NUMBER), L"0");
    EXPECT_EQ(pivlon.Text(IDC_MAIL_ADDRESS), L"");
    EXPECT_EQ(pivlon.FocusedControlId(), IDC_LIST_NAME);
    EXPECT_FALSE(pivlon.Visible(IDC_TEST));
    EXPECT_FALSE(pivlon.Enabled(IDC_NEW_ADDRESS));
    EXPECT_FALSE(pivlon.Enabled(IDC_MAIL_NUMBERS));
}

// --- Page layout by server type ----------------------------------------------------------------

const std::vector<std::vector<int>> kPages{
    {IDC_JOIN, IDC_LEAVE, IDC_SPECIFY_ADDRESS, IDC_CHANGE_ADDRESS, IDC_NEW_ADDRESS_LABEL,
     IDC_NEW_ADDRESS, IDC_PAUSE, IDC_RESUME, IDC_MEMBER_NUMBER_LABEL, IDC_MEMBER_NUMBER,
     IDC_PASSWORD_LABEL, IDC_PASSWORD},
    {IDC_DIGEST_JOIN, IDC_DIGEST_LEAVE, IDC_PARAMETER_LABEL, IDC_PARAMETER},
    {IDC_HELP, IDC_INDEX, IDC_GET, IDC_MAIL_NUMBERS_LABEL, IDC_MAIL_NUMBERS,
     IDC_MAIL_NUMBERS_HINT}};

// What each page leaves hidden for each list.
const std::map<int, std::set<int>> kHiddenByList[] = {
    {{0,
      {IDC_PAUSE, IDC_RESUME, IDC_MEMBER_NUMBER_LABEL, IDC_MEMBER_NUMBER, IDC_PASSWORD_LABEL,
       IDC_PASSWORD}},
     {1, {IDC_PARAMETER_LABEL, IDC_PARAMETER}}},
    {{0, {IDC_MEMBER_NUMBER_LABEL, IDC_MEMBER_NUMBER, IDC_PASSWORD_LABEL, IDC_PASSWORD}}},
    {{1, {IDC_PARAMETER_LABEL, IDC_PARAMETER}}},
    {{0, {IDC_MEMBER_NUMBER_LABEL, IDC_MEMBER_NUMBER, IDC_PASSWORD_LABEL, IDC_PASSWORD}},
     {1, {IDC_PARAMETER_LABEL, IDC_PARAMETER}}},
};

TEST_F(CommanderTest, EachPageShowsWhatTheListsServerTypeOffers) {
    PivlonDriver& pivlon = Start();
    for (int list : {kMajordomo, kFml, kCml, kBroken}) {
        pivlon.SelectTab(0);
        pivlon.SelectList(list);
        for (int page = 0; page < 3; ++page) {
            pivlon.SelectTab(page);
            const auto hidden = kHiddenByList[list].find(page);
            for (int shownPage = 0; shownPage < 3; ++shownPage) {
                for (int id : kPages[shownPage]) {
                    const bool expected =
                        shownPage == page &&
                        (hidden == kHiddenByList[list].end() || !hidden->second.contains(id));
                    EXPECT_EQ(pivlon.Visible(id), expected)
                        << "list " << list << " page " << page << " control " << id;
                }
            }
        }
    }
}

TEST_F(CommanderTest, OptionsEnableTheirFields) {
    PivlonDriver& pivlon = Start();
    pivlon.Click(IDC_CHANGE_ADDRESS);
    EXPECT_TRUE(pivlon.Enabled(IDC_NEW_ADDRESS));
    EXPECT_TRUE(pivlon.Enabled(IDC_NEW_ADDRESS_LABEL));
    pivlon.SelectTab(1);
    pivlon.Click(IDC_DIGEST_LEAVE);  // another page's option leaves them alone
    EXPECT_TRUE(pivlon.Enabled(IDC_NEW_ADDRESS));
    pivlon.SelectTab(2);
    pivlon.Click(IDC_GET);
    EXPECT_TRUE(pivlon.Enabled(IDC_MAIL_NUMBERS));
    EXPECT_TRUE(pivlon.Checked(IDC_GET));
    EXPECT_FALSE(pivlon.Checked(IDC_HELP));
    pivlon.Click(IDC_INDEX);
    EXPECT_FALSE(pivlon.Enabled(IDC_MAIL_NUMBERS));
    pivlon.SelectTab(0);
    pivlon.Click(IDC_LEAVE);
    EXPECT_FALSE(pivlon.Enabled(IDC_NEW_ADDRESS));
    EXPECT_FALSE(pivlon.Enabled(IDC_NEW_ADDRESS_LABEL));
}

// --- Member data -------------------------------------------------------------------------------

TEST_F(CommanderTest, SwitchingListsStoresTheLeftListAndShowsTheNewOne) {
    folder_.Write(L"Pivlon.ini", "[fml-ml]\r\nMailAddr=stored@example.jp\r\nMemberNo=8\r\n");
    PivlonDriver& pivlon = Start();
    pivlon.Type(IDC_MAIL_ADDRESS, L"山田@example.jp");
    EXPECT_TRUE(pivlon.SelectList(kFml).empty());
    EXPECT_EQ(Settings(), "[fml-ml]\r\nMailAddr=stored@example.jp\r\nMemberNo=8\r\n" +
                              Narrow(L"[majordomo-ml]\r\nMailAddr=山田@example.jp\r\n") +
                              "MemberNo=0\r\nPassword=\r\n");
    EXPECT_EQ(pivlon.Text(IDC_MAIL_ADDRESS), L"stored@example.jp");
    EXPECT_EQ(pivlon.Text(IDC_TYPE_LABEL), L"FML");
    pivlon.SelectList(kMajordomo);
    EXPECT_EQ(pivlon.Text(IDC_MAIL_ADDRESS), L"山田@example.jp");
}

TEST_F(CommanderTest, AnInvalidMemberNumberWarnsOncePerExchange) {
    PivlonDriver& pivlon = Start();
    pivlon.SelectList(kCml);
    pivlon.Type(IDC_MEMBER_NUMBER, L"");
    auto boxes = pivlon.Click(IDC_LEAVE);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kInvalidNumberText);
    EXPECT_EQ(pivlon.FocusedControlId(), IDC_MEMBER_NUMBER);

    boxes = pivlon.SelectList(kFml);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, kInvalidNumberText);
    EXPECT_EQ(pivlon.Text(IDC_MEMBER_NUMBER), L"0");
}

TEST_F(CommanderTest, ACatalogErrorAtLoadKeepsTheTypeLabel) {
    PivlonDriver& pivlon = Start();
    pivlon.SelectList(kFml);
    EXPECT_EQ(pivlon.SelectList(kBroken), std::vector<MessageBoxSeen>{kCatalogError});
    EXPECT_EQ(pivlon.Text(IDC_TYPE_LABEL), L"FML");
    EXPECT_EQ(pivlon.SelectedListEntry(), kBroken);
}

TEST_F(CommanderTest, AnEmptyCatalogReportsOnceAtStart) {
    folder_.Write(L"Pivlon.dat", "");
    PivlonDriver& pivlon = Start();
    EXPECT_EQ(pivlon.StartMessages(), std::vector<MessageBoxSeen>{kCatalogError});
    EXPECT_TRUE(pivlon.ListEntries().empty());
}

// --- Closing -----------------------------------------------------------------------------------

enum class CloseBy { ExitButton, MenuItem, EscapeKey, CloseBox };

std::string CloseName(const ::testing::TestParamInfo<CloseBy>& info) {
    constexpr const char* kNames[] = {"ExitButton", "MenuItem", "EscapeKey", "CloseBox"};
    return kNames[static_cast<int>(info.param)];
}

class CloseTest : public CommanderTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(CloseTest, EveryWayOfClosingStoresTheCurrentList) {
    PivlonDriver& pivlon = Start();
    pivlon.SelectList(kCml);
    pivlon.Type(IDC_MAIL_ADDRESS, L"member@example.jp");
    pivlon.Type(IDC_MEMBER_NUMBER, L"-5");
    pivlon.Type(IDC_PASSWORD, L"パスワード");
    switch (GetParam()) {
        case CloseBy::ExitButton:
            pivlon.Click(IDCANCEL);
            break;
        case CloseBy::MenuItem:
            pivlon.MenuCommand(IDCANCEL);
            break;
        case CloseBy::EscapeKey:
            pivlon.PressKey(IDC_LIST_NAME, VK_ESCAPE);
            break;
        case CloseBy::CloseBox:
            pivlon.SystemCommand(SC_CLOSE);
            break;
    }
    ASSERT_TRUE(pivlon.WaitForExit(10000));
    EXPECT_EQ(Settings(),
              "[majordomo-ml]\r\nMailAddr=\r\nMemberNo=0\r\nPassword=\r\n"
              "[cml-ml]\r\nMailAddr=member@example.jp\r\nMemberNo=-5\r\n" +
                  Narrow(L"Password=パスワード\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Paths, CloseTest,
                         ::testing::Values(CloseBy::ExitButton, CloseBy::MenuItem,
                                           CloseBy::EscapeKey, CloseBy::CloseBox),
                         CloseName);

// --- Sending -----------------------------------------------------------------------------------

TEST_F(CommanderTest, EnterWithoutTheMailClientSaysToStartIt) {
    PivlonDriver& pivlon = Start();
    const auto boxes = pivlon.PressKey(IDC_MAIL_ADDRESS, VK_RETURN);
    const MessageBoxSeen startTheMailClient{L"Ko-Postを起動してから送信して下さい", L"エラー",
                                            false};
    EXPECT_EQ(boxes, std::vector<MessageBoxSeen>{startTheMailClient});
}

// Sends a join with the address given through the sender at `sender` and checks
// what that sender received and which signature its editor ended on.
void CommanderTest::ExpectSendThrough(const std::wstring& sender) {
    const std::wstring capture = folder_.PathOf(L"capture");
    SetEnvironmentVariableW(L"PIVLON_SENDER_CAPTURE", capture.c_str());
    folder_.Write(L"Pivlon.ini", "[Pivlon]\r\nDravex=" + Narrow(sender) + "\r\n");
    const auto before = MailFilesIn(TemporaryDirectory());
    MailClientRunning mailClient;
    PivlonDriver& pivlon = Start();

    pivlon.Type(IDC_MAIL_ADDRESS, L"山田@example.jp");
    pivlon.Click(IDC_SPECIFY_ADDRESS);
    EXPECT_TRUE(pivlon.Click(IDC_SEND).empty());
    SetEnvironmentVariableW(L"PIVLON_SENDER_CAPTURE", nullptr);

    ASSERT_NE(WaitForWindow(L"DravexEditor", 10000), nullptr);
    EXPECT_EQ(folder_.Read(L"capture.mail"),
              Narrow(L"X-KOPost-Signature: (無し)\r\nTO: majordomo@example.org\r\n"
                     L"Subject: Subscribe majordomo-ml\r\n\r\n"
                     L"subscribe majordomo-ml 山田@example.jp\r\nend\r\n"));
    CloseWindows(L"DravexEditor");
    EXPECT_EQ(folder_.Read(L"capture.signature"), "(無し)");
    EXPECT_EQ(MailFilesIn(TemporaryDirectory()), before);
    EXPECT_EQ(Settings().find("MailAddr"), std::string::npos);  // sending stores nothing
}

TEST_F(CommanderTest, SendHandsTheMailToTheSenderAndSelectsNoSignature) {
    ExpectSendThrough(StandinPath(kSenderProgram));
}

#ifdef PIVLON_OTHER_STANDINS_DIR
// The build for the other architecture lends its sender: a 32-bit Pivlon hands
// its mail to a 64-bit sender and selects the signature in its editor, across the two.
TEST_F(CommanderTest, SendReachesASenderOfTheOtherArchitecture) {
    std::wstring folder = PIVLON_OTHER_STANDINS_DIR;
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    ExpectSendThrough(folder + L'\\' + kSenderProgram);
}
#endif

TEST_F(CommanderTest, SendWithAnInvalidMemberNumberWarnsOnceAndStartsNoSender) {
    const std::wstring capture = folder_.PathOf(L"capture");
    SetEnvironmentVariableW(L"PIVLON_SENDER_CAPTURE", capture.c_str());
    folder_.Write(L"Pivlon.ini",
                  "[Pivlon]\r\nDravex=" + Narrow(StandinPath(kSenderProgram)) + "\r\n");
    const auto before = MailFilesIn(TemporaryDirectory());
    MailClientRunning mailClient;
    PivlonDriver& pivlon = Start();

    pivlon.SelectList(kCml);
    pivlon.Click(IDC_LEAVE);
    pivlon.Type(IDC_MEMBER_NUMBER, L"12x");
    const auto boxes = pivlon.Click(IDC_SEND);
    SetEnvironmentVariableW(L"PIVLON_SENDER_CAPTURE", nullptr);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kInvalidNumberText);
    EXPECT_EQ(WaitForWindow(L"DravexEditor", 2000), nullptr);
    EXPECT_FALSE(std::filesystem::exists(capture + L".cmdline"));  // no sender started
    EXPECT_EQ(MailFilesIn(TemporaryDirectory()), before);
}

}  // namespace
}  // namespace pivlon::e2e
