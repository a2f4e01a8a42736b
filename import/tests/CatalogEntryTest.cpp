#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeProfileStore.h"
#include "import/CatalogEntry.h"

namespace pivlon {
namespace {

const CatalogEntry kElena{"elena", 2, "elena-ctl@example.jp", "", {"\x89\x66\x89\xE6 ML"}};

TEST(CatalogEntryTest, AppendedAtTheEndEveryOtherByteKept) {
    const struct {
        const char* rule;
        std::string before;
        std::string after;
    } cases[] = {
        {"after the last list", "; lists\r\n[hiking]\r\nType=3\r\nTo=hiking@cml.example.jp\r\n\r\n",
         "; lists\r\n[hiking]\r\nType=3\r\nTo=hiking@cml.example.jp\r\n\r\n"
         "[elena]\r\nType=2\r\nTo=elena-ctl@example.jp\r\nInfo1=\x89\x66\x89\xE6 ML\r\n"},
        {"LF lines and a missing final line break kept as they are", "[a]\nType=1\nTo=majordomo@x",
         "[a]\nType=1\nTo=majordomo@x\r\n"
         "[elena]\r\nType=2\r\nTo=elena-ctl@example.jp\r\nInfo1=\x89\x66\x89\xE6 ML\r\n"},
        {"a UTF-8 byte-order mark kept", "\xEF\xBB\xBF",
         "\xEF\xBB\xBF[elena]\r\nType=2\r\nTo=elena-ctl@example.jp\r\nInfo1=\x89\x66\x89\xE6 "
         "ML\r\n"},
        {"a missing catalog is made", "",
         "[elena]\r\nType=2\r\nTo=elena-ctl@example.jp\r\nInfo1=\x89\x66\x89\xE6 ML\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        testing::FakeProfileStore store;
        if (!c.before.empty())
            store.files["Pivlon.dat"] = c.before;
        EXPECT_EQ(AppendCatalogEntry(store, "Pivlon.dat", kElena), AppendOutcome::Appended);
        EXPECT_EQ(store.files["Pivlon.dat"], c.after);
        EXPECT_EQ(store.writes, 1);
    }
}

TEST(CatalogEntryTest, RefusedChangingNothing) {
    CatalogEntry blankName = kElena;
    blankName.listName = "elena ";
    CatalogEntry quoted = kElena;
    quoted.description = {"\"quoted\""};
    const struct {
        const char* rule;
        std::string before;
        CatalogEntry entry;
        AppendOutcome outcome;
    } cases[] = {
        {"the name exists in another case", "[x]\r\n[ELENA]\r\nType=2\r\n", kElena,
         AppendOutcome::ListExists},
        {"the name exists inside blanks", "[  Elena\t]\r\n", kElena, AppendOutcome::ListExists},
        {"a name the reader trims", "[x]\r\n", blankName, AppendOutcome::NotReadBack},
        {"a value the reader unquotes", "[x]\r\n", quoted, AppendOutcome::NotReadBack},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        testing::FakeProfileStore store;
        store.files["Pivlon.dat"] = c.before;
        EXPECT_EQ(AppendCatalogEntry(store, "Pivlon.dat", c.entry), c.outcome);
        EXPECT_EQ(store.files["Pivlon.dat"], c.before);
        EXPECT_EQ(store.writes, 0);
    }

    testing::FakeProfileStore unreadable;
    unreadable.unreadable.insert("Pivlon.dat");
    EXPECT_EQ(AppendCatalogEntry(unreadable, "Pivlon.dat", kElena),
              AppendOutcome::CatalogUnreadable);
    testing::FakeProfileStore readOnly;
    readOnly.files["Pivlon.dat"] = "[x]\r\n";
    readOnly.refuseWrites = true;
    EXPECT_EQ(AppendCatalogEntry(readOnly, "Pivlon.dat", kElena), AppendOutcome::ReplaceFailed);
    EXPECT_EQ(readOnly.files["Pivlon.dat"], "[x]\r\n");
}

}  // namespace
}  // namespace pivlon
