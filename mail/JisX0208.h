#pragma once

#include <optional>

namespace pivlon::jis {

// A character of the JIS X 0208 plane: row and cell, each 1 to 94. Its two
// bytes in ISO-2022-JP are row + 0x20 and cell + 0x20.
struct JisCode {
    int row = 0;
    int cell = 0;
    friend bool operator==(const JisCode&, const JisCode&) = default;
};

inline constexpr int kFirstOffset = 0x20;

// The row and cell of a Shift-JIS double-byte character, by arithmetic alone;
// nullopt when the two bytes are not a Shift-JIS pair of the 94 rows (lead
// bytes 0x81-0x9F and 0xE0-0xEF, trail bytes 0x40-0x7E and 0x80-0xFC).
std::optional<JisCode> JisOfShiftJis(unsigned char lead, unsigned char trail);

// The Shift-JIS lead and trail byte of a row and cell, both 1 to 94.
struct ShiftJisPair {
    unsigned char lead;
    unsigned char trail;
};
ShiftJisPair ShiftJisOfJis(JisCode code);

// True for the rows JIS X 0208 fills (1-8 and 16-84). The rows that code page 932
// adds (the NEC special characters of row 13, the NEC-selected IBM extensions of
// rows 89-92) are not part of the standard, so ISO-2022-JP cannot carry them.
bool IsStandardRow(int row);

}  // namespace pivlon::jis
