#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/ProfileImage.h"
#include "catalog/ProfileView.h"

using namespace std::string_literals;
using namespace std::string_view_literals;

namespace pivlon {
namespace {

constexpr std::size_t kWholeValue = 1000;

struct ReadCase {
    const char* rule;
    std::string bytes;
    std::string section;
    std::string key;
    std::string expected;
};

TEST(ProfileViewTest, ValuesAreFoundAndTrimmedAsTheProfileServiceDoes) {
    const ReadCase cases[] = {
        {"blanks around key and value", "[s]\r\n \t Key \t=  v a l \t\r\n", "s", "Key", "v a l"},
        {"blanks inside brackets", "[ \ts\x0B ]\r\nk=v\r\n", "s", "k", "v"},
        {"blanks inside a name count", "[s]\r\nmy key=v\r\n", "s", "mykey", ""},
        {"no inline comments", "[s]\r\nk = x ; c\r\n", "s", "k", "x ; c"},
        {"first '=' splits", "[s]\r\nk==a=b\r\n", "s", "k", "=a=b"},
        {"letter case of names", "[SecTion]\r\nKeY=v\r\n", "sECTION", "key", "v"},
        {"first section wins", "[s]\r\nk=1\r\n[S]\r\nk=2\r\nj=3\r\n", "s", "j", ""},
        {"first key wins", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
        {"LF line ends", "[s]\nk=v\n", "s", "k", "v"},
        {"CR line ends", "[s]\rk=v\r", "s", "k", "v"},
        {"mixed line ends", "[s]\n\rj=1\r\n\r\rk=v\n", "s", "k", "v"},
        {"no final line break", "[s]\r\nk=v", "s", "k", "v"},
        {"lines before the first header", "k=0\r\n[s]\r\n", "", "k", ""},
        {"text after ']'", "[s] ; note\r\nk=v\r\n", "s", "k", "v"},
        {"blanks before a header", " \t\x0B[s]\r\nk=v\r\n", "s", "k", "v"},
        {"'[' inside a line opens nothing", "[s]\r\nk=[t]\r\n x[t]\r\nj=w\r\n", "s", "j", "w"},
        {"header after a CR alone", "[t]\rk=0\r[s]\rk=v\r", "s", "k", "v"},
        {"name runs to the last ']'", "[a]b] c\r\nk=v\r\n", "a]b", "k", "v"},
        {"'[' without ']' is an entry", "[s]\r\n[x=1\r\n", "s", "[x", "1"},
        {"'[' without ']' keeps the section", "[s]\r\n[x\r\nk=v\r\n", "s", "k", "v"},
        {"line without '=' has no value", "[s]\r\nk\r\n", "s", "k", ""},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "v"},
        {"NUL ends a section name", "[s\0x]\r\nk=v\r\n"s, "s", "k", "v"},
        {"NUL ends a key", "[s]\r\nk\0x=v\r\n"s, "s", "k", "v"},
        {"NUL ends a value", "[s]\r\nk=v\0w\r\n"s, "s", "k", "v"},
        // Trail bytes 0x5D ']', 0x5B '[', 0x5C '\' and letters belong to their characters.
        {"trail ']' in a header", "[\x83\x5D]\r\nk=v\r\n", "\x83\x5D", "k", "v"},
        {"trail ']' is no header end", "[s]\r\n[\x83\x5D=1\r\n", "s", "[\x83\x5D", "1"},
        {"trail '[' in a key", "[s]\r\n\x83\x5B=\x83\x5B\r\n", "s", "\x83\x5B", "\x83\x5B"},
        {"trail '\\' in a value", "[s]\r\nk=\x95\x5C\\\r\n", "s", "k", "\x95\x5C\\"},
        {"trail letter not folded", "[\x83\x41]\r\nk=v\r\n", "\x83\x61", "k", ""},
        {"letter after a character folded", "[\x83\x41Z]\r\nk=v\r\n", "\x83\x41z", "k", "v"},
        // 0x3D can never be a trail byte: a lone lead byte leaves the '=' in force.
        {"lone lead byte before '='", "[s]\r\n\x83=v\r\n", "s", "\x83", "v"},
    };
    // The indexed image finds its sections by the same rules as the scan.
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ProfileView(c.bytes).ReadString(c.section, c.key, kWholeValue), c.expected)
            << c.rule;
        EXPECT_EQ(ProfileImage(c.bytes).ReadString(c.section, c.key, kWholeValue), c.expected)
            << c.rule << " (indexed)";
    }
}

TEST(ProfileViewTest, OnePairOfMatchingQuotesIsDropped) {
    const struct {
        const char* stored;
        const char* read;
    } cases[] = {
        {"\"quoted\"", "quoted"}, {"\" in \"", " in "}, {"'x'", "x"},
        {"\"x'", "\"x'"},         {"\"", "\""},         {"\"\"", ""},
        {"\"a\"b\"", "a\"b"},     {" \"v\" ", "v"},     {"\"\"x\"\"", "\"x\""},
    };
    for (const auto& c : cases) {
        const std::string bytes = "[s]\r\nk=" + std::string(c.stored) + "\r\n";
        const ProfileView file(bytes);
        EXPECT_EQ(file.ReadString("s", "k", kWholeValue), c.read) << c.stored;
    }
}

TEST(ProfileViewTest, SectionNamesStandInFileOrderWithDuplicates) {
    const std::string bytes =
        "\xEF\xBB\xBFk=0\r\n[b]\r\n[]\r\n[ ]\r\n[A] x\r\n[b]\n[a\0z]\r\n[\x83\x5D\r\n[d \0]\r\n[c]"s;
    const ProfileView file(bytes);
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"b", "A", "b", "a", "d", "c"}));
    EXPECT_EQ(ProfileImage(bytes).SectionNames(), file.SectionNames());
    EXPECT_TRUE(ProfileView(""sv).SectionNames().empty());
    EXPECT_TRUE(ProfileView("k=v\r\n"sv).SectionNames().empty());
}

TEST(ProfileViewTest, WholeNumbersReadAsGetPrivateProfileIntA) {
    const struct {
        const char* line;
        std::uint32_t read;
    } cases[] = {
        {"k=0", 0},
        {"k=42", 42},
        {"k=-1", 4294967295u},
        {"k=-5", 4294967291u},
        {"k=4294967295", 4294967295u},
        {"k=4294967296", 0},
        {"k=99999999999", 1215752191u},
        {"k=12abc", 12},
        {"k= +7", 7},
        {"k=\" 7\"", 7},
        {"k=abc", 0},
        {"k=-", 0},
        {"k=- 3", 0},
        {"k=+-3", 0},
        {"k=0x10", 0},
        {"k=", 77},
        {"k=\"\"", 77},
        {"k", 77},
        {"other=1", 77},
    };
    for (const auto& c : cases) {
        const std::string bytes = "[s]\r\n" + std::string(c.line) + "\r\n";
        const ProfileView file(bytes);
        EXPECT_EQ(file.ReadInt("s", "k", 77), c.read) << c.line;
    }
    EXPECT_EQ(ProfileView(""sv).ReadInt("s", "k", 77), 77u);
}

TEST(ProfileViewTest, ValuesAreCutToTheBufferNeverInsideACharacter) {
    const struct {
        std::string value;
        std::size_t bufferSize;
        std::string read;
    } cases[] = {
        {"abcd", 5, "abcd"},
        {"abcd", 4, "abc"},
        {"ab\x82\xA0", 5, "ab\x82\xA0"},
        {"ab\x82\xA0", 4, "ab"},
        {"ab\x82\xA0", 3, "ab"},
        {"\xB1\xB2\xB3", 3, "\xB1\xB2"},  // half-width katakana are single bytes
        {"a\x82\xA0\x82\xA2", 5, "a\x82\xA0"},
        {"\x82\xA0", 2, ""},
        {"abc", 1, ""},
        {"abc", 0, ""},
    };
    for (const auto& c : cases) {
        const std::string bytes = "[s]\r\nk=" + c.value + "\r\n";
        const ProfileView file(bytes);
        EXPECT_EQ(file.ReadString("s", "k", c.bufferSize), c.read)
            << c.value << " in " << c.bufferSize;
    }
}

}  // namespace
}  // namespace pivlon
