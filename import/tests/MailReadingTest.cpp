#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "import/EncodedWords.h"
#include "import/MailHeader.h"
#include "import/MailtoUri.h"
#include "platform/IconvUtf8Converter.h"

namespace pivlon {
namespace {

using namespace std::string_literals;

TEST(MailReadingTest, FilesThatAreNoMail) {
    const struct {
        const char* rule;
        std::string file;
        NotAMail fault;
    } cases[] = {
        {"empty", "", NotAMail::Empty},
        {"blank lines only", " \r\n\t\n", NotAMail::Empty},
        {"a PNG", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, NotAMail::Binary},
        {"a control byte in a field", "Subject: a\x01z\n", NotAMail::Binary},
        {"plain text", "Dear members,\nSubject: not a header\n", NotAMail::NoHeaderBlock},
        {"a continuation line first", " Subject: x\n", NotAMail::NoHeaderBlock},
        {"an INI file", "[elena]\r\nType=2\r\n", NotAMail::NoHeaderBlock},
        {"a blank in a field name", "X ML: x\n", NotAMail::NoHeaderBlock},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        const MailReading reading = ReadHeaderBlock(c.file);
        EXPECT_FALSE(reading.headers);
        EXPECT_EQ(reading.fault, c.fault);
    }
}

TEST(MailReadingTest, HeaderBlockEndsWhereRfc5322EndsIt) {
    const MailReading reading = ReadHeaderBlock(
        "From elena-admin@example.jp Tue Dec  8 10:00:00 2026\r\n"
        "Subject : one\r\n\ttwo \r\n"
        "X-Empty:\rTo: a@example.jp\n"
        "\r\n"
        "Body-Line: not a header\r\n");
    ASSERT_TRUE(reading.headers);
    const auto& fields = reading.headers->Fields();
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0].name, "Subject");
    EXPECT_EQ(fields[0].value, "one\ttwo");
    EXPECT_EQ(reading.headers->Find("x-empty")->value, "");
    EXPECT_EQ(reading.headers->Find("TO")->value, "a@example.jp");
    EXPECT_EQ(reading.headers->Find("Body-Line"), nullptr);
}

TEST(MailReadingTest, EncodedWordsInEveryCharsetJapaneseMailUses) {
    const IconvUtf8Converter utf8;
    const struct {
        const char* rule;
        std::string value;
        std::optional<std::string> shiftJis;
    } cases[] = {
        {"ASCII stays", "fml [fml 4.0.3]", "fml [fml 4.0.3]"},
        {"ISO-2022-JP, B", "=?iso-2022-jp?b?GyRCMUcyaBsoQg==?=", "\x89\x66\x89\xE6"},
        {"raw ISO-2022-JP as old mailers wrote it", "\x1b$B1G2h\x1b(B ML", "\x89\x66\x89\xE6 ML"},
        {"UTF-8, Q, '_' a blank", "=?UTF-8?Q?=E5=B1=B1_ML?=", "\x8E\x52 ML"},
        {"UTF-8 split across two words",
         "=?utf-8?B?5bGx5g==?= =?UTF-8?B?ranjgY0=?=", "\x8E\x52\x95\xE0\x82\xAB"},
        {"blanks between words dropped, kept around text", "a =?us-ascii?Q?b?=  =?us-ascii?Q?c?= d",
         "a bc d"},
        {"EUC-JP with half-width katakana", "=?EUC-JP?B?zfiO2A==?=", "\x97\x98\xD8"},
        {"Shift_JIS as it is", "=?Shift_JIS?B?iWaJ5g==?=", "\x89\x66\x89\xE6"},
        {"an RFC 2231 language", "=?ISO-2022-JP*ja?B?GyRCMUcyaBsoQg==?=", "\x89\x66\x89\xE6"},
        {"raw UTF-8", "\xE5\xB1\xB1", "\x8E\x52"},
        {"a broken word is text", "=?utf-8?B?no end", "=?utf-8?B?no end"},
        {"an unknown charset", "=?koi8-r?B?wcI=?=", std::nullopt},
        {"EUC-JP's JIS X 0212 has no Shift-JIS", "=?EUC-JP?B?j7DB?=", std::nullopt},
        {"a lone Shift_JIS lead byte", "=?Shift_JIS?B?iQ==?=", std::nullopt},
        {"raw 8-bit bytes that are not UTF-8", "\x89\x66", std::nullopt},
        {"a character Shift-JIS lacks", "=?UTF-8?B?8J+lvg==?=", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(DecodeHeaderText(c.value, utf8), c.shiftJis);
    }
}

TEST(MailReadingTest, MailtoUrisOfListFields) {
    EXPECT_EQ(ListHeaderUris("<http://x/> (web),\n <mailto:a@x?body=help> (mail <not>)"),
              (std::vector<std::string>{"http://x/", "mailto:a@x?body=help"}));
    EXPECT_EQ(ListHeaderUris("< mailto:a@x\n\t?body=help >"),
              (std::vector<std::string>{"mailto:a@x?body=help"}));

    const std::optional<MailtoUri> uri = ParseMailto(
        "MAILTO:majordomo@example.org,%6Fther@example.org?Subject=a+b&BODY=subscribe%20list%0D%0A"
        "&to=third@example.org&cc=ignored@example.org");
    ASSERT_TRUE(uri);
    EXPECT_EQ(uri->to, (std::vector<std::string>{"majordomo@example.org", "other@example.org",
                                                 "third@example.org"}));
    EXPECT_EQ(uri->subject, "a+b");
    EXPECT_EQ(uri->body, "subscribe list\r\n");
    EXPECT_FALSE(ParseMailto("http://example.org/"));
    EXPECT_FALSE(ParseMailto("mailto:a@x?body=%2"));
    EXPECT_FALSE(ParseMailto("mailto:a@x?body=%zz"));
}

}  // namespace
}  // namespace pivlon
