#include "mail/Iso2022Jp.h"

#include <gtest/gtest.h>

#include <string>

#include "mail/JisX0208.h"
#include "support/IconvOf.h"
#include "support/ShiftJisOf.h"

using namespace std::string_literals;

namespace pivlon {
namespace {

using testing::ShiftJisOf;

// glibc's own tables, reached through Unicode: EUC-JP carries a JIS X 0208
// character as its row and cell plus 0xA0, so it checks the arithmetic
// independently of it. Empty where glibc has no such character.
std::string EucJpOf(const std::string& shiftJis) {
    return testing::IconvOf("EUC-JP", "SHIFT_JIS", shiftJis).value_or("");
}

TEST(JisX0208Test, AgreesWithGlibcForEveryStandardCharacter) {
    int compared = 0;
    for (int lead = 0x81; lead <= 0xEF; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const auto code = jis::JisOfShiftJis(static_cast<unsigned char>(lead),
                                                 static_cast<unsigned char>(trail));
            if (!code)
                continue;
            const jis::ShiftJisPair back = jis::ShiftJisOfJis(*code);
            ASSERT_EQ(back.lead, lead);
            ASSERT_EQ(back.trail, trail);
            const std::string euc = EucJpOf({static_cast<char>(lead), static_cast<char>(trail)});
            if (euc.size() != 2)
                continue;
            ++compared;
            ASSERT_TRUE(jis::IsStandardRow(code->row)) << lead << " " << trail;
            ASSERT_EQ(code->row, static_cast<unsigned char>(euc[0]) - 0xA0) << lead << " " << trail;
            ASSERT_EQ(code->cell, static_cast<unsigned char>(euc[1]) - 0xA0)
                << lead << " " << trail;
        }
    }
    // JIS X 0208:1990 has 6879 characters.
    EXPECT_EQ(compared, 6879);
}

struct EncodeCase {
    const char* name;
    std::string shiftJis;
    std::string iso2022Jp;
};

const EncodeCase kEncodeCases[] = {
    {"Ascii", "TO: ml@example.jp\r\n", "TO: ml@example.jp\r\n"},
    {"EndsInJis", ShiftJisOf("入会"), "\x1b$BF~2q\x1b(B"},
    {"AsciiBeforeEachLineEnd", ShiftJisOf("映画好き\r\n#end"), "\x1b$B1G2h9%$-\x1b(B\r\n#end"},
    {"TrailByteBackslash", ShiftJisOf("表ソ"), "\x1b$BI=%=\x1b(B"},
    {"FullWidthBackslashAndWaveDash", "\x81\x5f\x81\x60", "\x1b$B!@!A\x1b(B"},
    {"LastRow", ShiftJisOf("熙"), "\x1b$Bt&\x1b(B"},
};

TEST(Iso2022JpTest, EncodesAndDecodesBack) {
    for (const EncodeCase& example : kEncodeCases) {
        SCOPED_TRACE(example.name);
        const ConvertedText encoded = EncodeIso2022Jp(example.shiftJis);
        EXPECT_FALSE(encoded.fault);
        EXPECT_EQ(encoded.bytes, example.iso2022Jp);
        const ConvertedText decoded = DecodeIso2022Jp(example.iso2022Jp);
        EXPECT_FALSE(decoded.fault);
        EXPECT_EQ(decoded.bytes, example.shiftJis);
    }
}

struct FaultCase {
    const char* name;
    std::string input;
    ConversionFaultKind kind;
    std::size_t position;
    std::size_t length;
};

const FaultCase kEncodeFaults[] = {
    {"HalfWidthKatakana", "ab\xb1", ConversionFaultKind::HalfWidthKatakana, 2, 1},
    {"NecSpecialRow13", ShiftJisOf("会") + "\x87\x40", ConversionFaultKind::ExtensionCharacter, 2,
     2},
    {"NecSelectedIbm", "\xed\x40", ConversionFaultKind::ExtensionCharacter, 0, 2},
    {"IbmExtension", "x\xfa\x40", ConversionFaultKind::ExtensionCharacter, 1, 2},
    {"UserDefined", "\xf0\x40", ConversionFaultKind::ExtensionCharacter, 0, 2},
    {"LoneLeadByte", "x\x82", ConversionFaultKind::BrokenCharacter, 1, 1},
    {"Escape", "a\x1b$B", ConversionFaultKind::ControlByte, 1, 1},
    {"ShiftOut", "\x0e", ConversionFaultKind::ControlByte, 0, 1},
};

const FaultCase kDecodeFaults[] = {
    {"UnknownEscape", "a\x1b$A", ConversionFaultKind::UnknownEscape, 1, 1},
    {"EightBitByte", "a\xb1", ConversionFaultKind::BrokenCharacter, 1, 1},
    {"LineEndInJis", "\x1b$BF~\r\n", ConversionFaultKind::BrokenCharacter, 5, 2},
    {"HalfAPair", "\x1b$BF~2", ConversionFaultKind::BrokenCharacter, 5, 1},
};

void ExpectFault(const ConvertedText& converted, const FaultCase& example) {
    ASSERT_TRUE(converted.fault);
    EXPECT_EQ(converted.fault->kind, example.kind);
    EXPECT_EQ(converted.fault->position, example.position);
    EXPECT_EQ(converted.fault->length, example.length);
    EXPECT_EQ(converted.bytes, "");
}

TEST(Iso2022JpTest, RefusesWhatItCannotCarry) {
    for (const FaultCase& example : kEncodeFaults) {
        SCOPED_TRACE(example.name);
        ExpectFault(EncodeIso2022Jp(example.input), example);
    }
    for (const FaultCase& example : kDecodeFaults) {
        SCOPED_TRACE(example.name);
        ExpectFault(DecodeIso2022Jp(example.input), example);
    }
}

TEST(Iso2022JpTest, DecodesTheOlderEditionRomanAndRow13) {
    EXPECT_EQ(DecodeIso2022Jp("\x1b$@F~\x1b(Jend\\").bytes, ShiftJisOf("入") + "end\\");
    EXPECT_EQ(DecodeIso2022Jp("\x1b$B-!\x1b(B").bytes, "\x87\x40"s);
}

}  // namespace
}  // namespace pivlon
