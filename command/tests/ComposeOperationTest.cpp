#include "command/ComposeOperation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "TestCatalog.h"
#include "tables/Operations.h"

namespace pivlon {
namespace {

using enum CommandOperation;
using testing::TestCatalog;

constexpr const char* kStaleMail = "TO: stale\nSubject: stale\n\nstale\n";

const Message kCatalogError = Message::Of(MessageId::CatalogError);

CommandRequest SampleRequest(int serverType) {
    CommandRequest request;
    request.listName = "room";
    request.serverType = serverType;
    request.commandAddress = "ctl@lists.example";
    request.mailAddress = "me@home.example";
    request.newAddress = "me@new.example";
    request.memberNumber = 1234;
    request.password = "secret";
    request.mailNumbers = "1-3,7";
    return request;
}

class ComposeOperationTest : public ::testing::Test {
  protected:
    TestCatalog world_{
        "[room]\r\nType=1\r\nTo=ctl@lists.example\r\ndijest=room-digest\r\n"
        "[bare]\r\nType=1\r\nTo=ctl@lists.example\r\n"};
};

struct TemplateCase {
    const char* name;
    CommandOperation operation;
    int serverType;
    std::string withoutAddress;                             // specifyAddress off
    std::optional<std::string> withAddress = std::nullopt;  // specifyAddress on, where it counts
};

TEST_F(ComposeOperationTest, EveryTemplateWithAndWithoutTheAddressFlag) {
    const std::vector<TemplateCase> cases = {
        {"Majordomo Join", Join, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: Subscribe room\n\nsubscribe room\nend\n",
         "TO: ctl@lists.example\nSubject: Subscribe room\n\nsubscribe room me@home.example\nend\n"},
        {"FML Join", Join, ServerType::FML,
         "TO: ctl@lists.example\nSubject: Subscribe room\n\n#subscribe\n#end\n",
         "TO: ctl@lists.example\nSubject: Subscribe room\n\n#subscribe me@home.example\n#end\n"},
        {"CML Join", Join, ServerType::CML, "TO: ctl@lists.example\nSubject: Append\n\n"},
        {"Majordomo Leave", Leave, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: UnSubscribe room\n\nunsubscribe room\nend\n",
         "TO: ctl@lists.example\nSubject: UnSubscribe room\n\nunsubscribe room "
         "me@home.example\nend\n"},
        {"FML Leave", Leave, ServerType::FML,
         "TO: ctl@lists.example\nSubject: UnSubscribe room\n\n#unsubscribe\n#end\n",
         "TO: ctl@lists.example\nSubject: UnSubscribe room\n\n#unsubscribe "
         "me@home.example\n#end\n"},
        {"CML Leave", Leave, ServerType::CML,
         "TO: ctl@lists.example\nSubject: Delete\n\n1234 secret"},
        {"FML Pause", Pause, ServerType::FML,
         "TO: ctl@lists.example\nSubject: Off room\n\n#off\n#end\n"},
        {"CML Pause", Pause, ServerType::CML,
         "TO: ctl@lists.example\nSubject: Stop\n\n1234 secret"},
        {"FML Resume", Resume, ServerType::FML,
         "TO: ctl@lists.example\nSubject: On room\n\n#on\n#end\n"},
        {"CML Resume", Resume, ServerType::CML,
         "TO: ctl@lists.example\nSubject: Send\n\n1234 secret"},
        {"Majordomo ChangeAddress", ChangeAddress, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: Address Change room\n\n"
         "unsubscribe room\nsubscribe room\nend\n",
         "TO: ctl@lists.example\nSubject: Address Change room\n\n"
         "unsubscribe room me@home.example\nsubscribe room me@new.example\nend\n"},
        {"FML ChangeAddress", ChangeAddress, ServerType::FML,
         "TO: ctl@lists.example\nSubject: Address Change room\n\n"
         "#chaddr me@home.example me@new.example\n#end\n"},
        {"CML ChangeAddress", ChangeAddress, ServerType::CML,
         "TO: ctl@lists.example\nSubject: Address\n\n1234 secret\nADDRESS me@new.example\n"},
        {"Majordomo DigestJoin", DigestJoin, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: Subscribe room-digest\n\nsubscribe room-digest\nend\n",
         "TO: ctl@lists.example\nSubject: Subscribe room-digest\n\n"
         "subscribe room-digest me@home.example\nend\n"},
        {"FML DigestJoin", DigestJoin, ServerType::FML,
         "TO: ctl@lists.example\nSubject: digest on room\n\n#matome 30mp\n#end\n"},
        {"CML DigestJoin", DigestJoin, ServerType::CML,
         "TO: ctl@lists.example\nSubject: Digest\n\n1234 secret"},
        {"Majordomo DigestLeave", DigestLeave, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: UnSubscribe room-digest\n\n"
         "unsubscribe room-digest\nend\n",
         "TO: ctl@lists.example\nSubject: UnSubscribe room-digest\n\n"
         "unsubscribe room-digest me@home.example\nend\n"},
        {"FML DigestLeave", DigestLeave, ServerType::FML,
         "TO: ctl@lists.example\nSubject: digest off room\n\n#matome 0\n#end\n"},
        {"CML DigestLeave", DigestLeave, ServerType::CML,
         "TO: ctl@lists.example\nSubject: Send\n\n1234 secret"},
        {"Majordomo Help", Help, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: Help room\n\nhelp\nend\n"},
        {"FML Help", Help, ServerType::FML,
         "TO: ctl@lists.example\nSubject: Help room\n\n#help\n#end\n"},
        {"CML Help", Help, ServerType::CML, "TO: ctl@lists.example\nSubject: Help\n\n"},
        {"Majordomo Index", Index, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: Index room\n\nindex room\nend\n"},
        {"FML Index", Index, ServerType::FML,
         "TO: ctl@lists.example\nSubject: Index room\n\n#index\n#end\n"},
        {"CML Index", Index, ServerType::CML, "TO: ctl@lists.example\nSubject: List\n\nLIST ALL\n"},
        {"Majordomo Get", Get, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: Get room [1-3,7]\n\nget 1\nget 2\nget 3\nget 7\nend\n"},
        {"FML Get", Get, ServerType::FML,
         "TO: ctl@lists.example\nSubject: Get room [1-3,7]\n\n#get 1-3,7\n#end\n"},
        {"CML Get", Get, ServerType::CML, "TO: ctl@lists.example\nSubject: Get\n\nGET 1-3,7\n"},
    };
    for (const TemplateCase& each : cases) {
        for (const int specifyAddress : {0, 1}) {
            SCOPED_TRACE(::testing::Message()
                         << each.name << ", specifyAddress " << specifyAddress);
            CommandRequest request = SampleRequest(each.serverType);
            request.specifyAddress = specifyAddress;
            std::string mailText = kStaleMail;
            EXPECT_EQ(ComposeOperation(each.operation, request, mailText, world_.catalog),
                      ComposeResult::composed);
            EXPECT_EQ(mailText, specifyAddress ? each.withAddress.value_or(each.withoutAddress)
                                               : each.withoutAddress);
        }
    }
    EXPECT_TRUE(world_.messages.shown.empty());
}

TEST_F(ComposeOperationTest, AnOperationNotOfferedOrAnUnknownServerTypeLeavesOneLineFeed) {
    struct Case {
        const char* name;
        CommandOperation operation;
        int serverType;
    };
    std::vector<Case> cases = {
        {"Majordomo Pause", Pause, ServerType::Majordomo},
        {"Majordomo Resume", Resume, ServerType::Majordomo},
    };
    for (const int unknownType : {0, 4, -1, 7}) {
        for (const OperationRow& row : Operations())
            cases.push_back({"unknown type", row.operation, unknownType});
    }
    for (const Case& each : cases) {
        SCOPED_TRACE(::testing::Message() << each.name << ", type " << each.serverType);
        CommandRequest request = SampleRequest(each.serverType);
        std::string mailText = kStaleMail;
        EXPECT_EQ(ComposeOperation(each.operation, request, mailText, world_.catalog),
                  ComposeResult::notOffered);
        EXPECT_EQ(mailText, "\n");
    }
    EXPECT_TRUE(world_.messages.shown.empty());
}

TEST_F(ComposeOperationTest, AnEmptyRegisteredAddressStillGetsItsBlank) {
    struct Case {
        CommandOperation operation;
        int serverType;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {Join, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: Subscribe room\n\nsubscribe room \nend\n"},
        {Leave, ServerType::FML,
         "TO: ctl@lists.example\nSubject: UnSubscribe room\n\n#unsubscribe \n#end\n"},
        {ChangeAddress, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: Address Change room\n\n"
         "unsubscribe room \nsubscribe room \nend\n"},
        {DigestLeave, ServerType::Majordomo,
         "TO: ctl@lists.example\nSubject: UnSubscribe room-digest\n\n"
         "unsubscribe room-digest \nend\n"},
    };
    for (const Case& each : cases) {
        CommandRequest request = SampleRequest(each.serverType);
        request.specifyAddress = 1;
        request.mailAddress.clear();
        request.newAddress.clear();
        std::string mailText;
        EXPECT_EQ(ComposeOperation(each.operation, request, mailText, world_.catalog),
                  ComposeResult::composed);
        EXPECT_EQ(mailText, each.expected);
    }
}

TEST_F(ComposeOperationTest, MajordomoDigestWithoutDigestListShowsCatalogErrorAndKeepsTheMail) {
    for (const CommandOperation operation : {DigestJoin, DigestLeave}) {
        world_.messages.shown.clear();
        CommandRequest request = SampleRequest(ServerType::Majordomo);
        request.listName = "bare";
        std::string mailText = kStaleMail;
        EXPECT_EQ(ComposeOperation(operation, request, mailText, world_.catalog),
                  ComposeResult::catalogErrorShown);
        EXPECT_EQ(mailText, kStaleMail);
        EXPECT_EQ(world_.messages.shown, std::vector{kCatalogError});
    }
}

TEST_F(ComposeOperationTest, OnlyMajordomoDigestsNeedTheDigestList) {
    for (const int serverType : {ServerType::FML, ServerType::CML}) {
        for (const CommandOperation operation : {DigestJoin, DigestLeave}) {
            CommandRequest request = SampleRequest(serverType);
            request.listName = "bare";
            std::string mailText;
            EXPECT_EQ(ComposeOperation(operation, request, mailText, world_.catalog),
                      ComposeResult::composed);
        }
    }
    EXPECT_TRUE(world_.messages.shown.empty());
}

TEST_F(ComposeOperationTest, FieldsAreInsertedAsTheyAreNeverReadAsFormats) {
    CommandRequest request = SampleRequest(ServerType::CML);
    request.commandAddress = "%s@%d";
    request.password = "%n%s %x";
    request.newAddress = "a%%b\nc";
    request.memberNumber = 4294967291u;
    std::string mailText;
    ASSERT_EQ(ComposeOperation(ChangeAddress, request, mailText, world_.catalog),
              ComposeResult::composed);
    EXPECT_EQ(mailText, "TO: %s@%d\nSubject: Address\n\n-5 %n%s %x\nADDRESS a%%b\nc\n");

    request.serverType = ServerType::FML;
    request.listName = "%d%d";
    request.mailNumbers = "%s%s%s";
    ASSERT_EQ(ComposeOperation(Get, request, mailText, world_.catalog), ComposeResult::composed);
    EXPECT_EQ(mailText, "TO: %s@%d\nSubject: Get %d%d [%s%s%s]\n\n#get %s%s%s\n#end\n");

    request.serverType = ServerType::Majordomo;
    request.specifyAddress = 1;
    request.mailAddress = "%s %s";
    ASSERT_EQ(ComposeOperation(Join, request, mailText, world_.catalog), ComposeResult::composed);
    EXPECT_EQ(mailText, "TO: %s@%d\nSubject: Subscribe %d%d\n\nsubscribe %d%d %s %s\nend\n");
}

TEST_F(ComposeOperationTest, MemberNumberIsWrittenAsASigned32BitNumber) {
    const std::vector<std::pair<std::uint32_t, std::string>> cases = {
        {0, "0"},
        {2147483647u, "2147483647"},
        {2147483648u, "-2147483648"},
        {4294967291u, "-5"},
        {4294967295u, "-1"},
    };
    for (const auto& [memberNumber, written] : cases) {
        CommandRequest request = SampleRequest(ServerType::CML);
        request.memberNumber = memberNumber;
        std::string mailText;
        ASSERT_EQ(ComposeOperation(Leave, request, mailText, world_.catalog),
                  ComposeResult::composed);
        EXPECT_EQ(mailText, "TO: ctl@lists.example\nSubject: Delete\n\n" + written + " secret");
    }
}

TEST_F(ComposeOperationTest, ShiftJisBytesPassUnchanged) {
    CommandRequest request = SampleRequest(ServerType::FML);
    // "表示" (display): its first character's second byte is the ASCII backslash.
    request.listName = "\x95\x5c\x8e\xa6";
    std::string mailText;
    ASSERT_EQ(ComposeOperation(Help, request, mailText, world_.catalog), ComposeResult::composed);
    EXPECT_EQ(mailText, "TO: ctl@lists.example\nSubject: Help \x95\x5c\x8e\xa6\n\n#help\n#end\n");
}

TEST_F(ComposeOperationTest, MajordomoGetWritesOneCommandPerNumber) {
    struct Case {
        std::string mailNumbers;
        std::string body;
    };
    const std::vector<Case> cases = {
        {"1-10,13",
         "get 1\nget 2\nget 3\nget 4\nget 5\nget 6\nget 7\nget 8\nget 9\nget 10\nget 13\nend\n"},
        {"", "get 0\nend\n"},
        {"2,1,2", "get 2\nget 1\nget 2\nend\n"},
        {"65534-65537", "get 65534\nget 65535\nget 0\nget 1\nend\n"},
        // An invalid text asks for nothing, but the mail still goes out.
        {"1, 2", "end\n"},
        {"1-3x", "end\n"},
        {"2147483648", "end\n"},
        {"1-1000000000", "end\n"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.mailNumbers);
        CommandRequest request = SampleRequest(ServerType::Majordomo);
        request.mailNumbers = each.mailNumbers;
        std::string mailText;
        EXPECT_EQ(ComposeOperation(Get, request, mailText, world_.catalog),
                  ComposeResult::composed);
        EXPECT_EQ(mailText, "TO: ctl@lists.example\nSubject: Get room [" + each.mailNumbers +
                                "]\n\n" + each.body);
    }
}

}  // namespace
}  // namespace pivlon
