// Any text as typed into the mail-number field: the result is -1 or the count of
// numbers appended, never more than 65,536 of them, and only digits, ',' and '-'
// before the first NUL can make a valid text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "command/ParseMailNumbers.h"

namespace pivlon::fuzz {
namespace {

constexpr std::size_t kMostNumbers = 65536;

bool HoldsOnlyListBytes(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return text.find_first_not_of("0123456789,-") == std::string_view::npos;
}

}  // namespace
}  // namespace pivlon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pivlon::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    pivlon::MailNumberList numbers;
    const int result = pivlon::ParseMailNumbers(text, numbers);
    Check(numbers.size() <= kMostNumbers, "never more than 65,536 numbers");
    Check(result == -1 || result >= 1, "the result is -1 or a count of at least one");
    if (result >= 0) {
        Check(static_cast<std::size_t>(result) == numbers.size(),
              "the count is the number of entries appended");
    }
    if (!HoldsOnlyListBytes(text))
        Check(result == -1, "a byte other than a digit, ',' or '-' makes the text invalid");
    return 0;
}
