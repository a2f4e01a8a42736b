#include "catalog/MemberSettings.h"

#include <gtest/gtest.h>

#include <string>

#include "catalog/ListCatalog.h"
#include "fakes/FakeProfileStore.h"
#include "fakes/RecordingMessages.h"

using namespace std::string_literals;

namespace pivlon {
namespace {

using testing::FakeProfileStore;

class MemberSettingsTest : public ::testing::Test {
  protected:
    std::string& File() { return store_.files["Pivlon.ini"]; }

    FakeProfileStore store_;
    MemberSettings settings_{store_};
};

TEST_F(MemberSettingsTest, MissingFileGivesTheDefaults) {
    EXPECT_EQ(settings_.LoadMember("l"), MemberRecord{});
    EXPECT_EQ(settings_.LoadSenderPath(), "");
    EXPECT_TRUE(store_.files.empty());
}

TEST_F(MemberSettingsTest, MembersComeBackAsSaved) {
    const MemberRecord members[] = {
        {"", 0, ""},
        {"a@example.jp", 4294967291u, "pw"},
        {"\x83\x65\x83\x58\x83\x67@example.jp", 2147483648u, "p w"},  // テスト
    };
    for (const MemberRecord& member : members) {
        settings_.SaveMember("l", member);
        EXPECT_EQ(settings_.LoadMember("L"), member) << member.mailAddress;
    }
}

// A list name is saved as a header; a name the header could not give back would make
// every save add a section of its own and the member data never come back.
TEST_F(MemberSettingsTest, EveryListNameOfTheCatalogKeepsItsMemberAcrossSaves) {
    store_.files["Pivlon.dat"] = "[blank before nul \0x]\r\n[ \t padded \t ]\r\n"s;
    testing::RecordingMessages messages;
    const std::vector<std::string> names = ListCatalog(store_, messages).ListNames();
    ASSERT_EQ(names.size(), 2u);
    for (const std::string& name : names) {
        const MemberRecord member{"a@b", 1, "pw"};
        settings_.SaveMember(name, member);
        const std::string saved = File();
        settings_.SaveMember(name, member);
        EXPECT_EQ(File(), saved) << name;
        EXPECT_EQ(settings_.LoadMember(name), member) << name;
    }
}

TEST_F(MemberSettingsTest, FirstSaveCreatesTheSectionWithAllThreeKeys) {
    settings_.SaveMember("l", {"", 4294967291u, ""});
    EXPECT_EQ(File(), "[l]\r\nMailAddr=\r\nMemberNo=-5\r\nPassword=\r\n");
    settings_.SaveMember("l", {"a@b", 0, "pw"});
    EXPECT_EQ(File(), "[l]\r\nMailAddr=a@b\r\nMemberNo=0\r\nPassword=pw\r\n");
}

TEST_F(MemberSettingsTest, OneSaveIsOneReplacementLeavingOtherListsAlone) {
    File() = "[other]\r\nMailAddr=x\r\n\r\n[l]\r\nmemberno=3\r\n";
    settings_.SaveMember("l", {"a@b", 7, "pw"});
    EXPECT_EQ(store_.writes, 1);
    EXPECT_EQ(File(),
              "[other]\r\nMailAddr=x\r\n\r\n[l]\r\nmemberno=7\r\nMailAddr=a@b\r\nPassword=pw\r\n");
}

TEST_F(MemberSettingsTest, LongAddressIsWrittenWholeAndReadBackCut) {
    const std::string address(200, 'a');
    settings_.SaveMember("l", {address, 1, std::string(128, 'p')});
    EXPECT_NE(File().find("MailAddr=" + address + "\r\n"), std::string::npos);
    const MemberRecord loaded = settings_.LoadMember("l");
    EXPECT_EQ(loaded.mailAddress, std::string(127, 'a'));
    EXPECT_EQ(loaded.password, std::string(127, 'p'));
}

TEST_F(MemberSettingsTest, TypedLineBreaksCannotAddKeys) {
    settings_.SaveMember("l", {"x\r\n[Pivlon]\r\nDravex=other.exe", 1, ""});
    EXPECT_EQ(settings_.LoadSenderPath(), "");
    EXPECT_EQ(settings_.LoadMember("l").mailAddress, "x");
}

TEST_F(MemberSettingsTest, RefusedWriteLeavesTheFileAsItWas) {
    File() = "[l]\r\nMailAddr=old\r\n";
    store_.refuseWrites = true;
    settings_.SaveMember("l", {"new", 1, "pw"});
    settings_.SaveSenderPath("C:\\x.exe");
    EXPECT_EQ(File(), "[l]\r\nMailAddr=old\r\n");
}

TEST_F(MemberSettingsTest, AFileThatCannotBeReadIsNeverRewrittenFromNothing) {
    File() = "[other]\r\nMailAddr=keep\r\n[l]\r\nMailAddr=old\r\n";
    store_.unreadable.insert("Pivlon.ini");
    EXPECT_EQ(settings_.LoadMember("l"), MemberRecord{});
    settings_.SaveMember("l", {"new", 1, "pw"});
    settings_.SaveSenderPath("C:\\x.exe");
    EXPECT_EQ(store_.writes, 0);
    EXPECT_EQ(File(), "[other]\r\nMailAddr=keep\r\n[l]\r\nMailAddr=old\r\n");
}

TEST_F(MemberSettingsTest, SenderPathLivesInItsOwnSection) {
    File() = "[l]\r\nMailAddr=a\r\n";
    const std::string path = "C:\\Program Files\\Ko-Post\\\x95\x5C\\DRAVEX.EXE";  // 表
    settings_.SaveSenderPath(path);
    EXPECT_EQ(File(), "[l]\r\nMailAddr=a\r\n[Pivlon]\r\nDravex=" + path + "\r\n");
    EXPECT_EQ(settings_.LoadSenderPath(), path);
    settings_.SaveSenderPath("");
    EXPECT_EQ(File(), "[l]\r\nMailAddr=a\r\n[Pivlon]\r\nDravex=\r\n");
    settings_.SaveSenderPath(std::string(300, 'p'));
    EXPECT_EQ(settings_.LoadSenderPath(), std::string(259, 'p'));
}

}  // namespace
}  // namespace pivlon
