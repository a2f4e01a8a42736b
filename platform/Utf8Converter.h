#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pivlon {

// The core's Shift-JIS (code page 932) texts in UTF-8 and back, for the world
// outside the program: terminals, URIs, scripts. Nothing is ever replaced: a
// text that is not valid in its encoding, or holds a character the other one
// lacks, gives nullopt.
class Utf8Converter {
  public:
    virtual ~Utf8Converter() = default;
    virtual std::optional<std::string> ShiftJisToUtf8(std::string_view shiftJis) const = 0;
    virtual std::optional<std::string> Utf8ToShiftJis(std::string_view utf8) const = 0;
};

}  // namespace pivlon
