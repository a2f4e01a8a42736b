#pragma once

#include <string_view>

#include "mail/ConversionFault.h"

namespace pivlon {

// Shift-JIS text in ISO-2022-JP (RFC 1468), the form Japanese mail carries:
// ASCII as it is, double-byte characters as JIS X 0208 after ESC $ B, and ESC ( B
// again before the next ASCII byte and at the end of the text, so every line
// ends in ASCII. Half-width katakana, code page 932's extension characters and
// the bytes ESC, SO and SI have no form there: the result then carries the fault
// of the first of them and no bytes.
ConvertedText EncodeIso2022Jp(std::string_view shiftJis);

// ISO-2022-JP text back in Shift-JIS. ESC $ B and ESC $ @ (the 1978 edition of
// the same plane) switch to double bytes, ESC ( B and ESC ( J to single bytes;
// Shift-JIS's single bytes are JIS X 0201 Roman, so the latter two decode alike.
// Every row of the plane decodes, row 13 included, which Windows mailers write for
// the NEC special characters. Bytes outside 0x21-0x7E in double-byte mode, an
// odd byte at its end, bytes above 0x7F and any other escape are faults.
ConvertedText DecodeIso2022Jp(std::string_view iso2022Jp);

}  // namespace pivlon
