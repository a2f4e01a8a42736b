#pragma once

#include <string>

namespace pivlon::testing {

// Shift-JIS texts and their UTF-8, which every Utf8Converter must convert both ways.
struct Utf8Pair {
    const char* name;
    std::string shiftJis;
    std::string utf8;
};

inline const Utf8Pair kUtf8Pairs[] = {
    {"Empty", "", ""},
    {"AsciiWithLineEnds", "TO: ml@example.jp\r\n#end\n", "TO: ml@example.jp\r\n#end\n"},
    // "映画好き"
    {"Kanji", "\x89\x66\x89\xe6\x8d\x44\x82\xab",
     "\xe6\x98\xa0\xe7\x94\xbb\xe5\xa5\xbd\xe3\x81\x8d"},
    // "表ソ": trail bytes that look like a backslash.
    {"TrailByteBackslash", "\x95\x5c\x83\x5c", "\xe8\xa1\xa8\xe3\x82\xbd"},
    // "ｱﾄﾞﾚｽ"
    {"HalfWidthKatakana", "\xb1\xc4\xde\xda\xbd",
     "\xef\xbd\xb1\xef\xbe\x84\xef\xbe\x9e\xef\xbe\x9a\xef\xbd\xbd"},
    // "①" and "ⅰ": NEC and IBM extension characters.
    {"Extensions", "\x87\x40\xfa\x40", "\xe2\x91\xa0\xe2\x85\xb0"},
    // "＼～": code page 932's own choices, not JIS's.
    {"FullWidthBackslashAndTilde", "\x81\x5f\x81\x60", "\xef\xbc\xbc\xef\xbd\x9e"},
    // A backslash stays one: code page 932 is ASCII below 0x80.
    {"Backslash", "C:\\mail", "C:\\mail"},
};

// Texts that have no form in the other encoding, or are broken in their own.
inline const std::string kBrokenShiftJis[] = {"x\x82", "\x81\x20"};
inline const std::string kUtf8WithoutShiftJis[] = {"caf\xc3\xa9", "\xf0\x9f\x98\x80", "\xe6\x98"};

}  // namespace pivlon::testing
