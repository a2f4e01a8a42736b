#include "command/ParseMailNumbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace pivlon {
namespace {

struct ParseCase {
    std::string text;
    MailNumberList numbers;
    int result;
};

MailNumberList Consecutive(std::uint16_t first, int length) {
    MailNumberList numbers;
    for (int offset = 0; offset < length; ++offset) {
        numbers.push_back(static_cast<std::uint16_t>(first + offset));
    }
    return numbers;
}

void ExpectParses(const std::vector<ParseCase>& cases) {
    for (const ParseCase& each : cases) {
        SCOPED_TRACE("text \"" + each.text + "\"");
        MailNumberList numbers;
        EXPECT_EQ(ParseMailNumbers(each.text, numbers), each.result);
        EXPECT_EQ(numbers, each.numbers);
    }
}

TEST(ParseMailNumbersTest, NumbersAndRanges) {
    ExpectParses({
        {"1,2,3", {1, 2, 3}, 3},
        {"1-3", {1, 2, 3}, 3},
        {"1,3", {1, 3}, 2},
        {"1-10,13", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}, 11},
        {"2,1,2", {2, 1, 2}, 3},
        {"", {0}, 1},
        {"3-3", {3}, 1},
        {"5-2", {2}, 1},
        {"1-", {0}, 1},
        {"-5", {0, 1, 2, 3, 4, 5}, 6},
        {"1,,2", {1, 0, 2}, 3},
        {"1,", {1, 0}, 2},
        {"1-3-5", {1, 2, 3, 4, 5}, 5},
        {"007", {7}, 1},
    });
}

TEST(ParseMailNumbersTest, AnyOtherByteEndsTheTextAsInvalidKeepingWhatWasAppended) {
    ExpectParses({
        {"1, 2", {1}, -1},
        {"1-3x", {1, 2}, -1},
        {"\t1", {}, -1},
        {"+1", {}, -1},
        {"\x82\x50", {}, -1},  // "１", a full-width digit
    });
}

TEST(ParseMailNumbersTest, NumbersWrapToSixteenBits) {
    ExpectParses({
        {"65536", {0}, 1},
        {"70000", {4464}, 1},
        {"65534-65537", {65534, 65535, 0, 1}, 4},
        {"2147483647", {65535}, 1},
    });
}

TEST(ParseMailNumbersTest, ANumberTooLargeForThirtyTwoBitsIsInvalid) {
    ExpectParses({
        {"2147483648", {}, -1},
        {"99999999999999999999", {}, -1},
        {"4,2147483648", {4}, -1},
        {"1-2147483648", {}, -1},
        {"2147483647-2147483647", {65535}, 1},
    });
}

TEST(ParseMailNumbersTest, AtMost65536NumbersAndNoHugeRangeIsExpanded) {
    MailNumberList wholeRange = Consecutive(0, 65535);
    wholeRange.push_back(65535);
    ExpectParses({
        {"0-65535", wholeRange, 65536},
        {"0-65536", {}, -1},
        {"1-1000000000", {}, -1},
        {"0-2147483647", {}, -1},
        {"0-65534,1,2", Consecutive(0, 65535), -1},
        {std::string(65535, ','), MailNumberList(65536, 0), 65536},
        {std::string(65536, ','), MailNumberList(65535, 0), -1},
    });
}

TEST(ParseMailNumbersTest, BytesAfterTheFirstZeroAreNotSeen) {
    ExpectParses({
        {"1,2\0,x"s, {1, 2}, 2},
        {"\0"
         "5"s,
         {0},
         1},
    });
}

TEST(ParseMailNumbersTest, AppendsToTheListGiven) {
    MailNumberList numbers = {9};
    EXPECT_EQ(ParseMailNumbers("1-2", numbers), 2);
    EXPECT_EQ(numbers, (MailNumberList{9, 1, 2}));
}

}  // namespace
}  // namespace pivlon
