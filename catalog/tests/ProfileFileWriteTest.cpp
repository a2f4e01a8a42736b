#include <gtest/gtest.h>

#include <string>

#include "catalog/ProfileFile.h"

namespace pivlon {
namespace {

struct WriteCase {
    const char* rule;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

TEST(ProfileFileWriteTest, OneWriteChangesOnlyWhatItMust) {
    const WriteCase cases[] = {
        {"replaced in place, spelling and other bytes kept",
         "; head\n[s]\r\n  Key = old ; c\r\nz=1\r[t]\nk=2", "s", "KEY", "new",
         "; head\n[s]\r\n  Key=new\r\nz=1\r[t]\nk=2"},
        {"line without '=' gets its value", "[s]\r\nflag\r\nz=1\r\n", "s", "flag", "1",
         "[s]\r\nflag=1\r\nz=1\r\n"},
        {"new key after the last line of the first section",
         "[s]\r\na=1\r\n\r\n[t]\r\n[S]\r\nb=2\r\n", "s", "c", "3",
         "[s]\r\na=1\r\nc=3\r\n\r\n[t]\r\n[S]\r\nb=2\r\n"},
        {"new key keeps the section's LF", "[s]\na=1\n[t]\n", "s", "k", "v",
         "[s]\na=1\nk=v\r\n[t]\n"},
        {"new key after blank-looking lines stays above them", "[s]\r\na=1\r\n  \t\r\n\r\n", "s",
         "k", "v", "[s]\r\na=1\r\nk=v\r\n  \t\r\n\r\n"},
        {"new key under a header without a line break", "[s]", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"new key after an ordinary '[' line", "[s]\r\n[broken\r\n", "s", "k", "v",
         "[s]\r\n[broken\r\nk=v\r\n"},
        {"lines before the first header are no section", "k=0\r\n[s]\r\n", "s", "k", "1",
         "k=0\r\n[s]\r\nk=1\r\n"},
        {"new section at the end", "[s]\r\na=1\r\n", "t", "k", "v", "[s]\r\na=1\r\n[t]\r\nk=v\r\n"},
        {"new section after a missing final line break", "[s]\r\na=1", "t", "k", "v",
         "[s]\r\na=1\r\n[t]\r\nk=v\r\n"},
        {"new section after a final CR", "[s]\ra=1\r", "t", "k", "v", "[s]\ra=1\r[t]\r\nk=v\r\n"},
        {"missing file", "", "t", "k", "v", "[t]\r\nk=v\r\n"},
        {"byte-order mark kept, no break after it", "\xEF\xBB\xBF", "t", "k", "v",
         "\xEF\xBB\xBF[t]\r\nk=v\r\n"},
        {"byte-order mark kept on replace", "\xEF\xBB\xBF[s]\r\nk=1\r\n", "s", "k", "2",
         "\xEF\xBB\xBF[s]\r\nk=2\r\n"},
        {"Shift-JIS section found by character", "[\x83\x5D]\r\n", "\x83\x5D", "k", "v",
         "[\x83\x5D]\r\nk=v\r\n"},
        {"new section ending in a lone lead byte keeps its ']'", "[o]\r\n", "a\x83", "k", "v",
         "[o]\r\n[a\x83 ]\r\nk=v\r\n"},
        {"empty value", "[s]\r\nk=1\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
        {"leading blanks dropped, trailing kept", "", "s", "k", " \tv ", "[s]\r\nk=v \r\n"},
        {"value cut at its first line break", "[s]\r\n", "s", "MailAddr",
         "x\r\n[Pivlon]\r\nDravex=other.exe", "[s]\r\nMailAddr=x\r\n"},
        {"value cut at a lone LF", "[s]\r\n", "s", "k", "\nx", "[s]\r\nk=\r\n"},
        {"value cut at a lone CR", "[s]\r\n", "s", "k", "a\rb", "[s]\r\nk=a\r\n"},
        {"same value again changes nothing", "[s]\r\n Key = 1 \n", "s", "key", "1",
         "[s]\r\n Key = 1 \n"},
    };
    for (const WriteCase& c : cases) {
        ProfileFile file(c.before);
        file.WriteString(c.section, c.key, c.value);
        EXPECT_EQ(file.Bytes(), c.after) << c.rule;
    }
}

TEST(ProfileFileWriteTest, SeveralWritesBuildOneImage) {
    ProfileFile file("[other]\r\nk=x\r\n");
    file.WriteString("s", "a", "1");
    file.WriteString("s", "b", "2");
    file.WriteString("S", "A", "3");
    file.WriteString("other", "k", "y");
    EXPECT_EQ(file.Bytes(), "[other]\r\nk=y\r\n[s]\r\na=3\r\nb=2\r\n");
    EXPECT_EQ(file.View().ReadString("s", "a", 128), "3");
}

}  // namespace
}  // namespace pivlon
