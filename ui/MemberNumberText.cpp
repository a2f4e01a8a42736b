#include "ui/MemberNumberText.h"

namespace pivlon {

namespace {

constexpr std::size_t kLongestField = 31;
constexpr std::uint64_t kLargest = 0xFFFFFFFFu;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at;
}

}  // namespace

std::optional<std::uint32_t> ReadMemberNumber(std::string_view fieldText) {
    const std::string_view text = fieldText.substr(0, kLongestField);
    const std::size_t start = SkipBlanks(text, 0);
    std::size_t at = start;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;

    const std::size_t firstDigit = at;
    std::uint64_t value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
        if (value > kLargest)
            value = kLargest + 1;  // saturates below; keeps the sum bounded
    }
    if (at == firstDigit)
        return std::nullopt;
    if (SkipBlanks(text, at) != text.size())
        return std::nullopt;
    if (value == 0 && text[start] != '0')
        return std::nullopt;

    auto number = static_cast<std::uint32_t>(value > kLargest ? kLargest : value);
    return negative ? static_cast<std::uint32_t>(0u - number) : number;
}

}  // namespace pivlon
