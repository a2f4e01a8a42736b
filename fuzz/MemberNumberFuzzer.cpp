// Any text in the member-number field, read by ReadMemberNumber and by a reference
// model of the dialog's reading: the two must agree on acceptance and on the number.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "ui/MemberNumberText.h"

namespace pivlon::fuzz {
namespace {

constexpr std::size_t kFieldBytesRead = 31;
constexpr std::uint32_t kLargest = 4294967295u;

bool IsBlankOrTab(char byte) {
    return byte == ' ' || byte == '\t';
}

// The digits as a number, saturated at kLargest: leading zeros carry no value, and
// more than ten significant digits always exceed it.
std::uint32_t SaturatedValue(std::string_view digits) {
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > 10)
        return kLargest;
    const unsigned long long value = digits.empty() ? 0 : std::stoull(std::string(digits));
    return value > kLargest ? kLargest : static_cast<std::uint32_t>(value);
}

// Blanks and tabs, a sign, digits, blanks and tabs, within the first 31 bytes; zero
// only when written with a leading digit 0; a minus wraps modulo 2^32.
std::optional<std::uint32_t> ModelReading(std::string_view field) {
    const std::string_view text = field.substr(0, kFieldBytesRead);
    std::size_t at = 0;
    while (at < text.size() && IsBlankOrTab(text[at]))
        ++at;
    const std::size_t numberStart = at;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    const std::size_t digitsStart = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    const std::string_view digits = text.substr(digitsStart, at - digitsStart);
    while (at < text.size() && IsBlankOrTab(text[at]))
        ++at;
    if (digits.empty() || at != text.size())
        return std::nullopt;
    const std::uint32_t value = SaturatedValue(digits);
    if (value == 0 && text[numberStart] != '0')
        return std::nullopt;
    return negative ? 0u - value : value;
}

}  // namespace
}  // namespace pivlon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pivlon::fuzz;
    const std::string_view field(reinterpret_cast<const char*>(data), size);
    Check(pivlon::ReadMemberNumber(field) == ModelReading(field),
          "the member number reads as the reference model reads it");
    return 0;
}
