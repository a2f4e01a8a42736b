#include "command/ComposeCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestCatalog.h"

namespace pivlon {
namespace {

using enum CommandOperation;
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

class ComposeCommandTest : public ::testing::Test {
  protected:
    // Composes with the request as the dialog would hold it after an earlier send.
    ComposeResult Compose(const std::string& listName, CommandOperation operation) {
        request_.listName = listName;
        world_.messages.shown.clear();
        return ComposeCommand(request_, operation, mailText_, world_.catalog);
    }

    TestCatalog world_{kCatalog};
    CommandRequest request_;
    std::string mailText_ = kPreviousMail;
};

struct FailureCase {
    const char* name;
    std::string listName;
    CommandOperation operation;
    ComposeResult result;
    int serverType;
    std::string commandAddress;
    std::string mailText;
};

TEST_F(ComposeCommandTest, FailuresShowAtMostOneMessageAndSayWhatMailTextHolds) {
    constexpr ComposeResult kShown = ComposeResult::catalogErrorShown;
    constexpr ComposeResult kNotOffered = ComposeResult::notOffered;
    const std::vector<FailureCase> cases = {
        {"type 0", "type0", Join, kShown, 0, kPreviousAddress, kPreviousMail},
        {"type 4", "type4", Join, kShown, 4, kPreviousAddress, kPreviousMail},
        {"type -1", "negative", Join, kShown, -1, kPreviousAddress, kPreviousMail},
        {"type a word", "word", Join, kShown, 0, kPreviousAddress, kPreviousMail},
        {"type missing", "notype", Join, kShown, 0, kPreviousAddress, kPreviousMail},
        {"type and To missing", "nothing", Join, kShown, 0, kPreviousAddress, kPreviousMail},
        {"empty list name", "", Join, kShown, 0, kPreviousAddress, kPreviousMail},
        {"To missing", "noto", Join, kShown, 2, "", kPreviousMail},
        {"To empty", "emptyto", Join, kShown, 3, "", kPreviousMail},
        {"Majordomo Pause", "majordomo", Pause, kNotOffered, 1, "majordomo@lists.example", "\n"},
        {"Majordomo Resume", "majordomo", Resume, kNotOffered, 1, "majordomo@lists.example", "\n"},
        {"Majordomo DigestJoin without dijest", "nodigest", DigestJoin, kShown, 1,
         "majordomo@lists.example", kPreviousMail},
        {"Majordomo DigestLeave without dijest", "nodigest", DigestLeave, kShown, 1,
         "majordomo@lists.example", kPreviousMail},
    };
    for (const FailureCase& each : cases) {
        SCOPED_TRACE(each.name);
        request_.serverType = kPreviousType;
        request_.commandAddress = kPreviousAddress;
        mailText_ = kPreviousMail;
        EXPECT_EQ(Compose(each.listName, each.operation), each.result);
        const std::vector<Message> shown(each.result == kShown ? 1 : 0, kCatalogError);
        EXPECT_EQ(world_.messages.shown, shown);
        EXPECT_EQ(request_.serverType, each.serverType);
        EXPECT_EQ(request_.commandAddress, each.commandAddress);
        EXPECT_EQ(mailText_, each.mailText);
    }
}

TEST_F(ComposeCommandTest, ALongCommandAddressIsCutTo127Bytes) {
    ASSERT_EQ(Compose("longto", Help), ComposeResult::composed);
    EXPECT_EQ(mailText_,
              "TO: " + kLongAddress.substr(0, 127) + "\nSubject: Help longto\n\n#help\n#end\n");
}

TEST_F(ComposeCommandTest, ASecondMailReplacesTheFirstEntirely) {
    request_.mailNumbers = "1-10,13";
    ASSERT_EQ(Compose("majordomo", Get), ComposeResult::composed);
    ASSERT_EQ(Compose("fml", Help), ComposeResult::composed);
    EXPECT_EQ(mailText_, "TO: fml-ctl@lists.example\nSubject: Help fml\n\n#help\n#end\n");
}

TEST_F(ComposeCommandTest, TheCatalogIsReadAfreshAtEveryCall) {
    ASSERT_EQ(Compose("fml", Index), ComposeResult::composed);
    world_.store.files["Pivlon.dat"] = "[fml]\r\nType=3\r\nTo=moved@lists.example\r\n";
    ASSERT_EQ(Compose("fml", Index), ComposeResult::composed);
    EXPECT_EQ(request_.serverType, ServerType::CML);
    EXPECT_EQ(mailText_, "TO: moved@lists.example\nSubject: List\n\nLIST ALL\n");
}

}  // namespace
}  // namespace pivlon
