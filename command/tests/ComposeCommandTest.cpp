#include "command/ComposeCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestCatalog.h"

namespace pivlon {
namespace {

using testing::TestCatalog;

constexpr const char* kPreviousMail = "TO: earlier\nSubject: earlier\n\nearlier\n";
constexpr const char* kPreviousAddress = "earlier@lists.example";
constexpr int kPreviousType = 99;

const Message kCatalogError = Message::Of(MessageId::CatalogError);

const std::string kLongAddress = std::string(190, 'a') + "@example";  // 198 bytes

const std::string kCatalog =
    "[fml]\r\nType=2\r\nTo=fml-ctl@lists.example\r\n"
    "[majordomo]\r\nType=1\r\nTo=majordomo@lists.example\r\ndijest=room-digest\r\n"
    "[nodigest]\r\nType=1\r\nTo=majordomo@lists.example\r\n"
    "[type0]\r\nType=0\r\nTo=x@lists.example\r\n"
    "[type4]\r\nType=4\r\nTo=x@lists.example\r\n"
    "[negative]\r\nType=-1\r\nTo=x@lists.example\r\n"
    "[word]\r\nType=two\r\nTo=x@lists.example\r\n"
    "[notype]\r\nTo=x@lists.example\r\n"
    "[nothing]\r\n"
    "[noto]\r\nType=2\r\n"
    "[emptyto]\r\nType=3\r\nTo=\r\n"
    "[longto]\r\nType=2\r\nTo=" +
    kLongAddress + "\r\n";

std::string SecondLine(const std::string& text) {
    const std::size_t start = text.find('\n') + 1;
    return text.substr(start, text.find('\n', start) - start);
}

class ComposeCommandTest : public ::testing::Test {
  protected:
    // Composes with the request as the dialog would hold it after an earlier send.
    bool Compose(const std::string& listName, int tabIndex, int option) {
        request_.listName = listName;
        request_.tabIndex = tabIndex;
        const int unchosen = 7;  // the other pages' options must play no part
        request_.joinLeaveOption = tabIndex == 0 ? option : unchosen;
        request_.digestOption = tabIndex == 1 ? option : unchosen;
        request_.otherOption = tabIndex == 2 ? option : unchosen;
        world_.messages.shown.clear();
        return ComposeCommand(request_, mailText_, world_.catalog);
    }

    TestCatalog world_{kCatalog};
    CommandRequest request_;
    std::string mailText_ = kPreviousMail;
};

struct FailureCase {
    const char* name;
    std::string listName;
    int tabIndex;
    int option;
    std::vector<Message> shown;
    int serverType;
    std::string commandAddress;
    std::string mailText;
};

TEST_F(ComposeCommandTest, FailuresShowAtMostOneMessageAndSayWhatMailTextHolds) {
    const std::vector<Message> none;
    const std::vector<Message> catalogError = {kCatalogError};
    const std::vector<FailureCase> cases = {
        {"type 0", "type0", 0, 0, catalogError, 0, kPreviousAddress, kPreviousMail},
        {"type 4", "type4", 0, 0, catalogError, 4, kPreviousAddress, kPreviousMail},
        {"type -1", "negative", 0, 0, catalogError, -1, kPreviousAddress, kPreviousMail},
        {"type a word", "word", 0, 0, catalogError, 0, kPreviousAddress, kPreviousMail},
        {"type missing", "notype", 0, 0, catalogError, 0, kPreviousAddress, kPreviousMail},
        {"type and To missing", "nothing", 0, 0, catalogError, 0, kPreviousAddress, kPreviousMail},
        {"empty list name", "", 0, 0, catalogError, 0, kPreviousAddress, kPreviousMail},
        {"To missing", "noto", 0, 0, catalogError, 2, "", kPreviousMail},
        {"To empty", "emptyto", 0, 0, catalogError, 3, "", kPreviousMail},
        {"no page", "fml", -1, 0, none, 2, "fml-ctl@lists.example", kPreviousMail},
        {"page 3", "fml", 3, 0, none, 2, "fml-ctl@lists.example", kPreviousMail},
        {"page 0 no option", "fml", 0, -1, none, 2, "fml-ctl@lists.example", kPreviousMail},
        {"page 0 option 5", "fml", 0, 5, none, 2, "fml-ctl@lists.example", kPreviousMail},
        {"page 1 no option", "fml", 1, -1, none, 2, "fml-ctl@lists.example", kPreviousMail},
        {"page 1 option 2", "fml", 1, 2, none, 2, "fml-ctl@lists.example", kPreviousMail},
        {"page 2 no option", "fml", 2, -1, none, 2, "fml-ctl@lists.example", kPreviousMail},
        {"page 2 option 3", "fml", 2, 3, none, 2, "fml-ctl@lists.example", kPreviousMail},
        {"Majordomo Pause", "majordomo", 0, 2, none, 1, "majordomo@lists.example", "\n"},
        {"Majordomo Resume", "majordomo", 0, 3, none, 1, "majordomo@lists.example", "\n"},
        {"Majordomo DigestJoin without dijest", "nodigest", 1, 0, catalogError, 1,
         "majordomo@lists.example", kPreviousMail},
        {"Majordomo DigestLeave without dijest", "nodigest", 1, 1, catalogError, 1,
         "majordomo@lists.example", kPreviousMail},
    };
    for (const FailureCase& each : cases) {
        SCOPED_TRACE(each.name);
        request_.serverType = kPreviousType;
        request_.commandAddress = kPreviousAddress;
        mailText_ = kPreviousMail;
        EXPECT_FALSE(Compose(each.listName, each.tabIndex, each.option));
        EXPECT_EQ(world_.messages.shown, each.shown);
        EXPECT_EQ(request_.serverType, each.serverType);
        EXPECT_EQ(request_.commandAddress, each.commandAddress);
        EXPECT_EQ(mailText_, each.mailText);
    }
}

TEST_F(ComposeCommandTest, EachPageAndOptionComposesItsOperation) {
    struct Case {
        int tabIndex;
        int option;
        std::string subjectLine;
    };
    const std::vector<Case> cases = {
        {0, 0, "Subject: Subscribe fml"},
        {0, 1, "Subject: UnSubscribe fml"},
        {0, 2, "Subject: Off fml"},
        {0, 3, "Subject: On fml"},
        {0, 4, "Subject: Address Change fml"},
        {1, 0, "Subject: digest on fml"},
        {1, 1, "Subject: digest off fml"},
        {2, 0, "Subject: Help fml"},
        {2, 1, "Subject: Index fml"},
        {2, 2, "Subject: Get fml []"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.subjectLine);
        ASSERT_TRUE(Compose("fml", each.tabIndex, each.option));
        EXPECT_EQ(SecondLine(mailText_), each.subjectLine);
        EXPECT_TRUE(world_.messages.shown.empty());
    }
}

TEST_F(ComposeCommandTest, TheDigestPageIgnoresTheJoinLeaveOption) {
    request_.listName = "majordomo";
    request_.tabIndex = 1;
    request_.joinLeaveOption = 4;
    request_.digestOption = 1;
    ASSERT_TRUE(ComposeCommand(request_, mailText_, world_.catalog));
    EXPECT_EQ(mailText_,
              "TO: majordomo@lists.example\nSubject: UnSubscribe room-digest\n\n"
              "unsubscribe room-digest\nend\n");
}

TEST_F(ComposeCommandTest, ALongCommandAddressIsCutTo127Bytes) {
    ASSERT_TRUE(Compose("longto", 2, 0));
    EXPECT_EQ(mailText_,
              "TO: " + kLongAddress.substr(0, 127) + "\nSubject: Help longto\n\n#help\n#end\n");
}

TEST_F(ComposeCommandTest, ASecondMailReplacesTheFirstEntirely) {
    request_.mailNumbers = "1-10,13";
    ASSERT_TRUE(Compose("majordomo", 2, 2));
    ASSERT_TRUE(Compose("fml", 2, 0));
    EXPECT_EQ(mailText_, "TO: fml-ctl@lists.example\nSubject: Help fml\n\n#help\n#end\n");
}

TEST_F(ComposeCommandTest, TheCatalogIsReadAfreshAtEveryCall) {
    ASSERT_TRUE(Compose("fml", 2, 1));
    world_.store.files["Pivlon.dat"] = "[fml]\r\nType=3\r\nTo=moved@lists.example\r\n";
    ASSERT_TRUE(Compose("fml", 2, 1));
    EXPECT_EQ(request_.serverType, ServerType::CML);
    EXPECT_EQ(mailText_, "TO: moved@lists.example\nSubject: List\n\nLIST ALL\n");
}

}  // namespace
}  // namespace pivlon
