#include "catalog/ShiftJis.h"
#include "mail/Iso2022Jp.h"
#include "mail/JisX0208.h"

namespace pivlon {
namespace {

constexpr std::string_view kToJisX0208 = "\x1b$B";
constexpr std::string_view kToAscii = "\x1b(B";

bool IsHalfWidthKatakana(unsigned char byte) {
    return byte >= 0xA1 && byte <= 0xDF;
}

bool IsSetSwitchingByte(unsigned char byte) {
    return byte == 0x1B || byte == 0x0E || byte == 0x0F;
}

}  // namespace

ConvertedText EncodeIso2022Jp(std::string_view shiftJis) {
    std::string bytes;
    bool inJis = false;
    std::size_t position = 0;
    while (position < shiftJis.size()) {
        const auto byte = static_cast<unsigned char>(shiftJis[position]);
        const std::size_t length = sjis::CharLengthAt(shiftJis, position);
        if (length == 2) {
            const auto code =
                jis::JisOfShiftJis(byte, static_cast<unsigned char>(shiftJis[position + 1]));
            if (!code || !jis::IsStandardRow(code->row))
                return ConversionFailure(ConversionFaultKind::ExtensionCharacter, position, 2);
            if (!inJis)
                bytes += kToJisX0208;
            inJis = true;
            bytes += static_cast<char>(code->row + jis::kFirstOffset);
            bytes += static_cast<char>(code->cell + jis::kFirstOffset);
        } else if (IsHalfWidthKatakana(byte)) {
            return ConversionFailure(ConversionFaultKind::HalfWidthKatakana, position, 1);
        } else if (byte >= 0x80) {
            return ConversionFailure(ConversionFaultKind::BrokenCharacter, position, 1);
        } else if (IsSetSwitchingByte(byte)) {
            return ConversionFailure(ConversionFaultKind::ControlByte, position, 1);
        } else {
            if (inJis)
                bytes += kToAscii;
            inJis = false;
            bytes += static_cast<char>(byte);
        }
        position += length;
    }
    if (inJis)
        bytes += kToAscii;
    return {bytes, std::nullopt};
}

}  // namespace pivlon
