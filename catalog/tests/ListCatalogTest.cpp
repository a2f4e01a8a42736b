#include "catalog/ListCatalog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/FakeProfileStore.h"
#include "fakes/RecordingMessages.h"

namespace pivlon {
namespace {

using testing::FakeProfileStore;
using testing::RecordingMessages;

const Message kCatalogError = Message::Of(MessageId::CatalogError);

class ListCatalogTest : public ::testing::Test {
  protected:
    void SetCatalog(std::string bytes) { store_.files["Pivlon.dat"] = std::move(bytes); }

    FakeProfileStore store_;
    RecordingMessages messages_;
    ListCatalog catalog_{store_, messages_};
};

TEST_F(ListCatalogTest, NamesComeInFileOrder) {
    SetCatalog("[red]\r\nType=1\r\n[green]\r\nType=2\r\n[blue]\r\nType=3\r\n");
    EXPECT_EQ(catalog_.ListNames(), (std::vector<std::string>{"red", "green", "blue"}));
}

TEST_F(ListCatalogTest, NamesBeyondAnyFixedBufferAllComeBack) {
    std::string bytes;
    std::vector<std::string> expected;
    for (int i = 0; i < 200; ++i) {
        expected.push_back("list-number-" + std::to_string(i) + std::string(20, 'x'));
        bytes += "[" + expected.back() + "]\r\nType=1\r\n";
    }
    SetCatalog(bytes);
    EXPECT_EQ(catalog_.ListNames(), expected);
}

TEST_F(ListCatalogTest, NoCatalogGivesNoNamesAndAnEmptyListFailsOnce) {
    EXPECT_TRUE(catalog_.ListNames().empty());
    int serverType = 7;
    EXPECT_FALSE(catalog_.ReadServerType("", serverType));
    EXPECT_EQ(serverType, 0);
    EXPECT_EQ(messages_.shown, std::vector<Message>{kCatalogError});
}

TEST_F(ListCatalogTest, KeysAndNamesIgnoreLetterCase) {
    SetCatalog("[Red]\r\nTYPE=2\r\nto=red-ctl@example.jp\r\nINFO1=x\r\n");
    int serverType = 0;
    std::string address;
    EXPECT_TRUE(catalog_.ReadServerType("rED", serverType));
    EXPECT_EQ(serverType, 2);
    EXPECT_TRUE(catalog_.ReadCommandAddress("RED", address));
    EXPECT_EQ(address, "red-ctl@example.jp");
    EXPECT_EQ(catalog_.ReadDescription("red"), "x\r\n");
}

TEST_F(ListCatalogTest, DescriptionEndsAtTheFirstMissingOrEmptyLine) {
    const struct {
        const char* keys;
        const char* description;
    } cases[] = {
        {"Info1=x\r\nInfo2=y\r\n", "x\r\ny\r\n"},
        {"Info1=x\r\nInfo3=z\r\n", "x\r\n"},
        {"Info1=\r\nInfo2=y\r\n", ""},
        {"Info0=w\r\nInfo2=y\r\n", ""},
        {"Info01=w\r\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SetCatalog(std::string("[l]\r\nType=1\r\n") + c.keys);
        EXPECT_EQ(catalog_.ReadDescription("l"), c.description) << c.keys;
    }
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ListCatalogTest, DescriptionLinesAreCutTo127BytesByWholeCharacters) {
    // 126 ASCII bytes then "あ" (\x82\xA0): the character would end at byte 128.
    const std::string line = std::string(126, 'a') + "\x82\xA0";
    SetCatalog("[l]\r\nInfo1=" + line + "\r\nInfo2=" + std::string(130, 'b') + "\r\n");
    EXPECT_EQ(catalog_.ReadDescription("l"),
              std::string(126, 'a') + "\r\n" + std::string(127, 'b') + "\r\n");
}

TEST_F(ListCatalogTest, ServerTypeOutsideOneToThreeFailsWithOneMessage) {
    const struct {
        const char* line;
        bool valid;
        int stored;
    } cases[] = {
        {"Type=1", true, 1},  {"Type=2", true, 2},    {"Type=3", true, 3},     {"Type=0", false, 0},
        {"Type=4", false, 4}, {"Type=-1", false, -1}, {"Type=word", false, 0}, {"", false, 0},
        {"Type=", false, 0},  {"Type= 2 ", true, 2},  {"Type=3x", true, 3},
    };
    for (const auto& c : cases) {
        SetCatalog(std::string("[l]\r\n") + c.line + "\r\nTo=a@b\r\n");
        messages_.shown.clear();
        int serverType = 99;
        EXPECT_EQ(catalog_.ReadServerType("l", serverType), c.valid) << c.line;
        EXPECT_EQ(serverType, c.stored) << c.line;
        EXPECT_EQ(messages_.shown, c.valid ? std::vector<Message>{} : std::vector{kCatalogError})
            << c.line;
    }
}

TEST_F(ListCatalogTest, EveryReadSeesTheFileAsItIsNow) {
    SetCatalog("[l]\r\nType=1\r\n");
    int serverType = 0;
    EXPECT_TRUE(catalog_.ReadServerType("l", serverType));
    SetCatalog("[l]\r\nType=3\r\n");
    EXPECT_TRUE(catalog_.ReadServerType("l", serverType));
    EXPECT_EQ(serverType, 3);
}

// To and dijest share their rules: required, cut to 127 bytes by whole characters.
TEST_F(ListCatalogTest, AddressAndDigestListAreRequiredAndCut) {
    using Reader = bool (ListCatalog::*)(const std::string&, std::string&) const;
    const struct {
        const char* key;
        Reader read;
    } readers[] = {{"To", &ListCatalog::ReadCommandAddress},
                   {"dijest", &ListCatalog::ReadDigestList}};
    const std::string kana = "\x83\x65\x83\x58";  // テス
    const struct {
        std::optional<std::string> value;  // none: the key is left out
        bool found;
        std::string read;
    } cases[] = {
        {std::nullopt, false, ""},
        {"", false, ""},
        {"\"\"", false, ""},
        {"ml-ctl@example.jp", true, "ml-ctl@example.jp"},
        {std::string(200, 'a'), true, std::string(127, 'a')},
        {std::string(125, 'a') + kana, true, std::string(125, 'a') + "\x83\x65"},
        {std::string(126, 'a') + kana, true, std::string(126, 'a')},
    };
    for (const auto& reader : readers) {
        for (const auto& c : cases) {
            const std::string entry =
                c.value ? std::string(reader.key) + "=" + *c.value + "\r\n" : std::string();
            SetCatalog("[l]\r\nType=1\r\n" + entry + "[next]\r\nTo=x\r\ndijest=y\r\n");
            messages_.shown.clear();
            std::string value = "previous";
            EXPECT_EQ((catalog_.*reader.read)("l", value), c.found) << reader.key << c.read;
            EXPECT_EQ(value, c.read) << reader.key << c.read;
            EXPECT_EQ(messages_.shown,
                      c.found ? std::vector<Message>{} : std::vector{kCatalogError});
        }
    }
}

}  // namespace
}  // namespace pivlon
