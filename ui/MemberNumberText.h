#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pivlon {

// Reads the member-number field as an unsigned decimal number: at most its
// first 31 bytes, blanks and tabs around it, an optional sign; a value beyond
// 32 bits saturates and a minus sign wraps it modulo 2^32. nullopt when the
// text is not one such number (an empty field included).
std::optional<std::uint32_t> ReadMemberNumber(std::string_view fieldText);

}  // namespace pivlon
