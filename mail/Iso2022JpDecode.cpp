#include "mail/Iso2022Jp.h"
#include "mail/JisX0208.h"

namespace pivlon {
namespace {

struct Escape {
    std::string_view sequence;
    bool toJis;
};

constexpr Escape kEscapes[] = {
    {"\x1b$B", true},
    {"\x1b$@", true},
    {"\x1b(B", false},
    {"\x1b(J", false},
};

bool IsJisByte(unsigned char byte) {
    return byte >= 0x21 && byte <= 0x7E;
}

}  // namespace

ConvertedText DecodeIso2022Jp(std::string_view iso2022Jp) {
    std::string bytes;
    bool inJis = false;
    std::size_t position = 0;
    while (position < iso2022Jp.size()) {
        const auto byte = static_cast<unsigned char>(iso2022Jp[position]);
        if (byte == 0x1B) {
            const Escape* found = nullptr;
            for (const Escape& escape : kEscapes) {
                if (iso2022Jp.substr(position).starts_with(escape.sequence))
                    found = &escape;
            }
            if (found == nullptr)
                return ConversionFailure(ConversionFaultKind::UnknownEscape, position, 1);
            inJis = found->toJis;
            position += found->sequence.size();
        } else if (byte >= 0x80) {
            return ConversionFailure(ConversionFaultKind::BrokenCharacter, position, 1);
        } else if (!inJis) {
            bytes += static_cast<char>(byte);
            ++position;
        } else {
            const bool pairComplete = position + 1 < iso2022Jp.size();
            const auto second =
                pairComplete ? static_cast<unsigned char>(iso2022Jp[position + 1]) : 0;
            if (!IsJisByte(byte) || !IsJisByte(second))
                return ConversionFailure(ConversionFaultKind::BrokenCharacter, position, pairComplete ? 2 : 1);
            const jis::ShiftJisPair pair =
                jis::ShiftJisOfJis({byte - jis::kFirstOffset, second - jis::kFirstOffset});
            bytes += static_cast<char>(pair.lead);
            bytes += static_cast<char>(pair.trail);
            position += 2;
        }
    }
    return {bytes, std::nullopt};
}

}  // namespace pivlon
