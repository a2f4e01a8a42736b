#include "mail/JisX0208.h"

namespace pivlon::jis {
namespace {

// Each lead byte covers two rows: the odd one by the trail bytes below 0x9F,
// the even one by those from 0x9F on.
constexpr unsigned char kEvenRowTrail = 0x9F;

bool IsLeadOfTheRows(unsigned char lead) {
    return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEF);
}

bool IsTrail(unsigned char trail) {
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC);
}

}  // namespace

std::optional<JisCode> JisOfShiftJis(unsigned char lead, unsigned char trail) {
    if (!IsLeadOfTheRows(lead) || !IsTrail(trail))
        return std::nullopt;
    const int oddRow = (lead <= 0x9F ? lead - 0x81 : lead - 0xC1) * 2 + 1;
    if (trail >= kEvenRowTrail)
        return JisCode{oddRow + 1, trail - 0x9E};
    // 0x7F is no trail byte, so the cells after it start one higher.
    return JisCode{oddRow, trail - 0x3F - (trail >= 0x80 ? 1 : 0)};
}

ShiftJisPair ShiftJisOfJis(JisCode code) {
    const int pairOfRows = (code.row + 1) / 2;
    const int lead = pairOfRows + (code.row <= 62 ? 0x80 : 0xC0);
    int trail = 0;
    if (code.row % 2 == 0) {
        trail = code.cell + 0x9E;
    } else {
        trail = code.cell + 0x3F + (code.cell >= 64 ? 1 : 0);
    }
    return {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
}

bool IsStandardRow(int row) {
    return (row >= 1 && row <= 8) || (row >= 16 && row <= 84);
}

}  // namespace pivlon::jis
