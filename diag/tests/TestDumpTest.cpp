#include "diag/TestDump.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeDialogHost.h"
#include "fakes/FakeProfileStore.h"
#include "fakes/FakeSystem.h"
#include "support/ShiftJisOf.h"
#include "ui/CommanderDialog.h"

namespace pivlon {
namespace {

using testing::FakeDialogHost;
using testing::FakeProfileStore;
using testing::FakeSystem;

// Headings as the dump writes them, in its own order.
std::string Heading(const char* label) {
    return testing::ShiftJisOf(std::string("====== ") + label + " ======\r\n");
}
const std::string kJoin = Heading("入会");
const std::string kLeave = Heading("退会");
const std::string kChange = Heading("ｱﾄﾞﾚｽ変更");
const std::string kPause = Heading("一時停止");
const std::string kResume = Heading("再開");
const std::string kDigestJoin = Heading("ダイジェスト入会");
const std::string kDigestLeave = Heading("ダイジェスト退会");
const std::string kIndex = Heading("インデックス");
const std::string kGet = Heading("ＧＥＴ");
const std::string kHelp = Heading("ヘルプ");
constexpr const char* kRule = "========================\r\n";

const Message kCatalogError = Message::Of(MessageId::CatalogError);

class TestDumpTest : public ::testing::Test {
  protected:
    void Start(const std::string& catalog) {
        store_.files["Pivlon.dat"] = catalog;
        store_.files["Pivlon.ini"] = "[fml]\r\nMemberNo=1234\r\nPassword=pw\r\n";
        dialog_.InitDialog();
        host_.messages.clear();
    }
    std::string Dump() { return system_.files["debug.txt"]; }

    FakeDialogHost host_;
    FakeSystem system_;
    FakeProfileStore store_;
    CommanderDialog dialog_{host_, system_, store_};
};

TEST_F(TestDumpTest, AnFmlRecordHoldsTheTenMailsInTheDumpsOrder) {
    Start("[fml]\r\nType=2\r\nTo=ctl@x\r\n");
    dialog_.TestDump();
    const std::string expected =
        std::string("\r\n<<<<ML Name : fml>>>>\r\nType : FML\r\n") + kJoin +
        "TO: ctl@x\r\nSubject: Subscribe fml\r\n\r\n#subscribe\r\n#end\r\n" + kLeave +
        "TO: ctl@x\r\nSubject: UnSubscribe fml\r\n\r\n#unsubscribe\r\n#end\r\n" + kChange +
        "TO: ctl@x\r\nSubject: Address Change fml\r\n\r\n#chaddr  \r\n#end\r\n" + kPause +
        "TO: ctl@x\r\nSubject: Off fml\r\n\r\n#off\r\n#end\r\n" + kResume +
        "TO: ctl@x\r\nSubject: On fml\r\n\r\n#on\r\n#end\r\n" + kDigestJoin +
        "TO: ctl@x\r\nSubject: digest on fml\r\n\r\n#matome 30mp\r\n#end\r\n" + kDigestLeave +
        "TO: ctl@x\r\nSubject: digest off fml\r\n\r\n#matome 0\r\n#end\r\n" + kIndex +
        "TO: ctl@x\r\nSubject: Index fml\r\n\r\n#index\r\n#end\r\n" + kGet +
        "TO: ctl@x\r\nSubject: Get fml [1-10,13]\r\n\r\n#get 1-10,13\r\n#end\r\n" + kHelp +
        "TO: ctl@x\r\nSubject: Help fml\r\n\r\n#help\r\n#end\r\n" + kRule;
    EXPECT_EQ(Dump(), expected);
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(TestDumpTest, CmlMailsWithoutAFinalLineFeedRunIntoTheNextHeading) {
    Start("[fml]\r\nType=3\r\nTo=c@x\r\n");
    dialog_.TestDump();
    const std::string dump = Dump();
    EXPECT_NE(dump.find("\r\n\r\n1234 pw" + std::string(kChange)), std::string::npos);
    EXPECT_NE(dump.find("Subject: Help\r\n\r\n" + std::string(kRule)), std::string::npos);
}

TEST_F(TestDumpTest, BrokenEntriesAreReportedAndTheDumpGoesOn) {
    Start(
        "[fml]\r\nType=2\r\nTo=f@x\r\n"
        "[seven]\r\nType=7\r\nTo=s@x\r\n"
        "[noto]\r\nType=1\r\n"
        "[nodigest]\r\nType=1\r\nTo=m@x\r\n");
    dialog_.TestDump();
    const std::string dump = Dump();
    const std::string seven = "\r\n<<<<ML Name : seven>>>>\r\nType : 7\r\n" + std::string(kJoin) +
                              "\r\n" + kLeave + "\r\n" + kChange + "\r\n" + kPause + "\r\n" +
                              kResume + "\r\n" + kDigestJoin + "\r\n" + kDigestLeave + "\r\n" +
                              kIndex + "\r\n" + kGet + "\r\n" + kHelp + "\r\n" + kRule;
    EXPECT_NE(dump.find(seven), std::string::npos);
    EXPECT_NE(dump.find(std::string(kJoin) + "TO: \r\nSubject: Subscribe noto"), std::string::npos);
    // Without dijest the digest sections keep Resume's single line feed.
    EXPECT_NE(dump.find(std::string("nodigest>>>>")), std::string::npos);
    const std::string nodigestTail = dump.substr(dump.find("nodigest>>>>"));
    EXPECT_NE(nodigestTail.find(std::string(kResume) + "\r\n" + kDigestJoin + "\r\n" +
                                kDigestLeave + "\r\n" + kIndex + "TO: m@x"),
              std::string::npos);
    // Type 7; the missing To; two missing dijest reads each for noto and nodigest.
    EXPECT_EQ(host_.messages, std::vector<Message>(6, kCatalogError));
}

TEST_F(TestDumpTest, MajordomoGetAsksForTheFixedNumbersAndTheUsersTextComesBack) {
    Start("[fml]\r\nType=1\r\nTo=m@x\r\ndijest=fml-digest\r\n");
    host_.Type(IDC_MAIL_NUMBERS, "5,6");
    dialog_.TestDump();
    std::string gets;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13})
        gets += "get " + std::to_string(n) + "\r\n";
    EXPECT_NE(Dump().find("Subject: Get fml [1-10,13]\r\n\r\n" + gets + "end\r\n" + kHelp),
              std::string::npos);
    EXPECT_EQ(dialog_.Values().request.mailNumbers, "5,6");
    EXPECT_EQ(host_.Text(IDC_MAIL_NUMBERS), "5,6");
    EXPECT_EQ(dialog_.Values().request.listName, "fml");
}

TEST_F(TestDumpTest, EveryListGetsTheMemberDataTheDialogHolds) {
    Start("[fml]\r\nType=3\r\nTo=a@x\r\n[other]\r\nType=3\r\nTo=b@x\r\n");
    dialog_.TestDump();
    const std::string dump = Dump();
    const std::size_t second = dump.find("\r\n<<<<ML Name : other>>>>");
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(dump.substr(second - std::string(kRule).size(), std::string(kRule).size()), kRule);
    EXPECT_NE(dump.find("Subject: Delete\r\n\r\n1234 pw", second), std::string::npos);
    EXPECT_EQ(store_.writes, 0);
}

TEST_F(TestDumpTest, AnEmptySelectorGivesAnEmptyFile) {
    Start("");
    system_.files["debug.txt"] = "old content";
    dialog_.TestDump();
    EXPECT_EQ(system_.files.at("debug.txt"), "");
}

TEST_F(TestDumpTest, AFileThatCannotBeCreatedIsReportedAndNothingIsComposed) {
    Start("[fml]\r\nType=2\r\nTo=f@x\r\n");
    host_.Type(IDC_MAIL_NUMBERS, "typed");
    system_.openError = FileError{FileErrorCause::AccessDenied, "debug.txt"};
    dialog_.TestDump();
    EXPECT_EQ(
        host_.messages,
        std::vector<Message>{Message::Of(FileError{FileErrorCause::AccessDenied, "debug.txt"})});
    EXPECT_EQ(dialog_.Values().mailText, "");
    EXPECT_EQ(dialog_.Values().request.mailNumbers, "");  // the closing exchange is skipped too
}

TEST_F(TestDumpTest, AFailedWriteEndsTheDumpThereAndIsReportedOnce) {
    Start("[fml]\r\nType=2\r\nTo=f@x\r\n[two]\r\nType=2\r\nTo=t@x\r\n");
    system_.writeError = FileError{FileErrorCause::DiskFull, "C:\\work\\debug.txt"};
    system_.writesBeforeError = 3;
    dialog_.TestDump();
    EXPECT_EQ(Dump(), "\r\n<<<<ML Name : fml>>>>\r\n");
    EXPECT_EQ(host_.messages, std::vector<Message>{Message::Of(*system_.writeError)});
    EXPECT_TRUE(system_.openFiles.empty());
}

TEST_F(TestDumpTest, AfterAFailedDumpTheMemberDataStayWithTheSelectedList) {
    Start("[fml]\r\nType=2\r\nTo=f@x\r\n[two]\r\nType=2\r\nTo=t@x\r\n");
    system_.writeError = FileError{FileErrorCause::DiskFull, "C:\\work\\debug.txt"};
    system_.writesBeforeError = 50;  // within the second list's record
    host_.Type(IDC_MAIL_ADDRESS, "typed@fml");
    dialog_.TestDump();
    host_.selected = 1;
    dialog_.SwitchList();
    EXPECT_EQ(store_.files["Pivlon.ini"],
              "[fml]\r\nMemberNo=1234\r\nPassword=pw\r\nMailAddr=typed@fml\r\n");
}

}  // namespace
}  // namespace pivlon
