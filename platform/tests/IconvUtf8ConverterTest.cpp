#include "platform/IconvUtf8Converter.h"

#include <gtest/gtest.h>

#include "support/Utf8Pairs.h"

namespace pivlon {
namespace {

using namespace testing;

TEST(IconvUtf8ConverterTest, ConvertsBothWays) {
    const IconvUtf8Converter converter;
    for (const Utf8Pair& pair : kUtf8Pairs) {
        SCOPED_TRACE(pair.name);
        EXPECT_EQ(converter.ShiftJisToUtf8(pair.shiftJis), pair.utf8);
        EXPECT_EQ(converter.Utf8ToShiftJis(pair.utf8), pair.shiftJis);
    }
}

TEST(IconvUtf8ConverterTest, RefusesWhatHasNoForm) {
    const IconvUtf8Converter converter;
    for (const std::string& text : kBrokenShiftJis) {
        EXPECT_EQ(converter.ShiftJisToUtf8(text), std::nullopt) << text;
    }
    for (const std::string& text : kUtf8WithoutShiftJis) {
        EXPECT_EQ(converter.Utf8ToShiftJis(text), std::nullopt) << text;
    }
}

TEST(IconvUtf8ConverterTest, ConvertsTextsLongerThanItsBuffer) {
    const IconvUtf8Converter converter;
    std::string shiftJis;
    std::string utf8;
    for (int copy = 0; copy < 1000; ++copy) {
        shiftJis += kUtf8Pairs[2].shiftJis;
        utf8 += kUtf8Pairs[2].utf8;
    }
    EXPECT_EQ(converter.ShiftJisToUtf8(shiftJis), utf8);
    EXPECT_EQ(converter.Utf8ToShiftJis(utf8), shiftJis);
}

}  // namespace
}  // namespace pivlon
