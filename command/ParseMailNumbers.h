#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace pivlon {

using MailNumberList = std::vector<std::uint16_t>;

// Appends the numbers of a text such as "1-10,13" to `numbers`. Returns how
// many were appended, or -1 for an invalid text (what was appended stays).
// Bytes after the first zero byte are not seen.
int ParseMailNumbers(std::string_view text, MailNumberList& numbers);

}  // namespace pivlon
