#include "command/ParseMailNumbers.h"

#include <cstddef>

namespace pivlon {
namespace {

constexpr int kInvalid = -1;
// Bounds that keep the working values from overflowing and a huge range such
// as "1-1000000000" from exhausting memory.
constexpr std::int32_t kLargestNumber = 2147483647;
constexpr std::int32_t kMostNumbers = 65536;

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

// False when the number would pass kLargestNumber.
bool AddDigit(std::int32_t& number, char digit) {
    const std::int32_t value = digit - '0';
    if (number > (kLargestNumber - value) / 10)
        return false;
    number = number * 10 + value;
    return true;
}

// Appends `length` numbers from `first` on, each modulo 65536. `count` holds
// how many were appended before; one more always follows at the end of the
// text, which the bound accounts for. False, appending nothing, past the bound.
bool AppendNumbers(MailNumberList& numbers, std::int32_t first, std::int32_t length,
                   std::int32_t& count) {
    if (length > kMostNumbers - 1 - count)
        return false;
    for (std::int32_t offset = 0; offset < length; ++offset) {
        numbers.push_back(static_cast<std::uint16_t>(first + offset));
    }
    count += length;
    return true;
}

}  // namespace

int ParseMailNumbers(std::string_view text, MailNumberList& numbers) {
    text = text.substr(0, text.find('\0'));
    std::int32_t current = 0;
    std::int32_t count = 0;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char byte = text[index];
        if (IsDigit(byte)) {
            if (!AddDigit(current, byte))
                return kInvalid;
        } else if (byte == ',') {
            if (!AppendNumbers(numbers, current, 1, count))
                return kInvalid;
            current = 0;
        } else if (byte == '-') {
            // The range's end is appended later, by the next "," or the end of
            // the text, so that it can also start a following range.
            std::int32_t rangeEnd = 0;
            while (index + 1 < text.size() && IsDigit(text[index + 1])) {
                if (!AddDigit(rangeEnd, text[++index]))
                    return kInvalid;
            }
            if (rangeEnd > current && !AppendNumbers(numbers, current, rangeEnd - current, count)) {
                return kInvalid;
            }
            current = rangeEnd;
        } else {
            return kInvalid;
        }
    }
    numbers.push_back(static_cast<std::uint16_t>(current));
    return count + 1;
}

}  // namespace pivlon
