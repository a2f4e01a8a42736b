#include "platform/win32/Encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Utf8Converter.h"
#include "support/Utf8Pairs.h"

using namespace std::string_literals;

namespace pivlon::win32 {
namespace {

struct Pair {
    const char* name;
    std::string shiftJis;
    std::wstring utf16;
};

// Each pair must convert both ways, whatever Wine's ANSI code page is.
const Pair kPairs[] = {
    {"Empty", "", L""},
    {"Ascii", "TO: ml@example.jp\r\n", L"TO: ml@example.jp\r\n"},
    // "テスト"
    {"Katakana", "\x83\x65\x83\x58\x83\x67", L"\u30c6\u30b9\u30c8"},
    // "(無し)"
    {"NoSignatureEntry", "(\x96\xb3\x82\xb5)", L"(\u7121\u3057)"},
    // "ﾀﾞｲｼﾞｪｽﾄ": half-width katakana are single bytes.
    {"HalfWidthKatakana", "\xc0\xde\xb2\xbc\xde\xaa\xbd\xc4",
     L"\uff80\uff9e\uff72\uff7c\uff9e\uff6a\uff7d\uff84"},
    // "表ソ": the trail bytes are 0x5C, the ASCII backslash.
    {"TrailByteBackslash", "\x95\x5c\x83\x5c", L"\u8868\u30bd"},
    // "①": a character of the Windows extensions to Shift-JIS.
    {"WindowsExtension", "\x87\x40", L"\u2460"},
    // "件名: 入会\r\n" with a NUL inside: lengths are counted, not searched.
    {"MixedWithNul", "\x8c\x8f\x96\xbc: \x93\xfc\x89\xef\r\n\0x"s,
     L"\u4ef6\u540d: \u5165\u4f1a\r\n\0x"s},
};

TEST(EncodingTest, ConvertsBothWays) {
    for (const Pair& pair : kPairs) {
        SCOPED_TRACE(pair.name);
        EXPECT_EQ(Widen(pair.shiftJis), pair.utf16);
        EXPECT_EQ(Narrow(pair.utf16), pair.shiftJis);
    }
}

// The same pairs as the native converter's, so both builds print the same texts.
TEST(Win32Utf8ConverterTest, ConvertsBothWaysAndRefusesWhatHasNoForm) {
    const Win32Utf8Converter converter;
    for (const testing::Utf8Pair& pair : testing::kUtf8Pairs) {
        SCOPED_TRACE(pair.name);
        EXPECT_EQ(converter.ShiftJisToUtf8(pair.shiftJis), pair.utf8);
        EXPECT_EQ(converter.Utf8ToShiftJis(pair.utf8), pair.shiftJis);
    }
    for (const std::string& text : testing::kBrokenShiftJis) {
        EXPECT_EQ(converter.ShiftJisToUtf8(text), std::nullopt) << text;
    }
    for (const std::string& text : testing::kUtf8WithoutShiftJis) {
        EXPECT_EQ(converter.Utf8ToShiftJis(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace pivlon::win32
