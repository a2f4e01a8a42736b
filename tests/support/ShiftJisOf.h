#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "support/IconvOf.h"

namespace pivlon::testing {

// The code page 932 bytes of a readable UTF-8 text, converted independently
// of the program, so tests can check the Shift-JIS texts the program holds.
inline std::string ShiftJisOf(std::string_view utf8) {
    const std::optional<std::string> bytes = IconvOf("CP932", "UTF-8", utf8);
    if (!bytes)
        throw std::runtime_error("not convertible to CP932");
    return *bytes;
}

}  // namespace pivlon::testing
