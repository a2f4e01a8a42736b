#include "ui/MemberNumberText.h"

#include <gtest/gtest.h>

#include <string>

namespace pivlon {
namespace {

struct Case {
    std::string field;
    std::optional<std::uint32_t> expected;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << '"' << c.field << '"';
}

class MemberNumberTextTest : public ::testing::TestWithParam<Case> {};

TEST_P(MemberNumberTextTest, ReadsTheFieldAsTheDialogDoes) {
    EXPECT_EQ(ReadMemberNumber(GetParam().field), GetParam().expected) << GetParam().field;
}

constexpr std::uint32_t kMax = 4294967295u;

INSTANTIATE_TEST_SUITE_P(
    Accepted, MemberNumberTextTest,
    ::testing::Values(Case{"0", 0u}, Case{"00", 0u}, Case{"1234", 1234u}, Case{" \t 42", 42u},
                      Case{"42 \t", 42u}, Case{"+7", 7u}, Case{"-5", 4294967291u}, Case{"-1", kMax},
                      Case{"4294967295", kMax}, Case{"4294967296", kMax},  // saturates
                      Case{"99999999999999999999999999", kMax},            // far beyond 64 bits too
                      Case{"-4294967296", 1u},                             // saturates, then wraps
                      Case{std::string(30, '0') + "5", 5u}));              // 7 is byte 32

INSTANTIATE_TEST_SUITE_P(
    Rejected, MemberNumberTextTest,
    ::testing::Values(Case{"", std::nullopt}, Case{"   ", std::nullopt}, Case{"-", std::nullopt},
                      Case{"+", std::nullopt}, Case{"-0", std::nullopt}, Case{"+0", std::nullopt},
                      Case{"12a", std::nullopt}, Case{"1 2", std::nullopt},
                      Case{"- 5", std::nullopt}, Case{"0x10", std::nullopt},
                      Case{"\x82\x4f", std::nullopt},  // full-width 0
                      Case{"5\n", std::nullopt},
                      Case{std::string(31, ' ') + "7", std::nullopt}));  // 7 is byte 32

}  // namespace
}  // namespace pivlon
