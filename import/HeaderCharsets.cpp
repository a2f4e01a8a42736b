#include "import/HeaderCharsets.h"

#include <algorithm>
#include <array>

#include "catalog/ShiftJis.h"
#include "mail/Iso2022Jp.h"
#include "mail/JisX0208.h"

namespace pivlon {
namespace {

using Decoder = std::optional<std::string> (*)(std::string_view bytes, const Utf8Converter&);

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

bool IsHalfWidthKatakana(unsigned char byte) {
    return byte >= 0xA1 && byte <= 0xDF;
}

std::optional<std::string> FromAscii(std::string_view bytes, const Utf8Converter&) {
    return IsAscii(bytes) ? std::optional<std::string>(bytes) : std::nullopt;
}

std::optional<std::string> FromIso2022Jp(std::string_view bytes, const Utf8Converter&) {
    ConvertedText converted = DecodeIso2022Jp(bytes);
    return converted.fault ? std::nullopt : std::optional<std::string>(std::move(converted.bytes));
}

// Whole characters only: ASCII, half-width katakana and lead bytes with their trail.
std::optional<std::string> FromShiftJis(std::string_view bytes, const Utf8Converter&) {
    for (std::size_t i = 0; i < bytes.size(); i += sjis::CharLengthAt(bytes, i)) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool single = byte < 0x80 || IsHalfWidthKatakana(byte);
        if (sjis::CharLengthAt(bytes, i) == 1 && !single)
            return std::nullopt;
    }
    return std::string(bytes);
}

// EUC-JP is JIS X 0208 with both bytes raised by 0x80; SS2 (0x8E) brings a
// half-width katakana, SS3 (0x8F) a JIS X 0212 character that Shift-JIS has no
// room for.
std::optional<std::string> FromEucJp(std::string_view bytes, const Utf8Converter&) {
    constexpr unsigned char kSingleShift2 = 0x8E;
    constexpr int kRaise = 0x80 + jis::kFirstOffset;
    std::string shiftJis;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            shiftJis += static_cast<char>(byte);
            continue;
        }
        if (i + 1 >= bytes.size())
            return std::nullopt;
        const auto second = static_cast<unsigned char>(bytes[++i]);
        if (byte == kSingleShift2 && IsHalfWidthKatakana(second)) {
            shiftJis += static_cast<char>(second);
        } else if (byte >= 0xA1 && byte <= 0xFE && second >= 0xA1 && second <= 0xFE) {
            const jis::ShiftJisPair pair = jis::ShiftJisOfJis({byte - kRaise, second - kRaise});
            shiftJis += static_cast<char>(pair.lead);
            shiftJis += static_cast<char>(pair.trail);
        } else {
            return std::nullopt;
        }
    }
    return shiftJis;
}

std::optional<std::string> FromUtf8(std::string_view bytes, const Utf8Converter& utf8) {
    return utf8.Utf8ToShiftJis(bytes);
}

struct Charset {
    std::string_view name;
    Decoder decoder;
};

// The names of the IANA charset registry and the aliases mailers write.
constexpr std::array<Charset, 15> kCharsets{{
    {"us-ascii", FromAscii},
    {"iso-2022-jp", FromIso2022Jp},
    {"csiso2022jp", FromIso2022Jp},
    {"shift_jis", FromShiftJis},
    {"shift-jis", FromShiftJis},
    {"sjis", FromShiftJis},
    {"x-sjis", FromShiftJis},
    {"ms_kanji", FromShiftJis},
    {"windows-31j", FromShiftJis},
    {"cp932", FromShiftJis},
    {"euc-jp", FromEucJp},
    {"x-euc-jp", FromEucJp},
    {"cseucpkdfmtjapanese", FromEucJp},
    {"utf-8", FromUtf8},
    {"utf8", FromUtf8},
}};

}  // namespace

std::optional<std::string> CharsetToShiftJis(std::string_view charset, std::string_view bytes,
                                             const Utf8Converter& utf8) {
    charset = charset.substr(0, charset.find('*'));
    const auto found = std::ranges::find_if(kCharsets, [charset](const Charset& known) {
        return sjis::EqualIgnoringAsciiCase(known.name, charset);
    });
    if (found == kCharsets.end())
        return std::nullopt;
    return found->decoder(bytes, utf8);
}

}  // namespace pivlon
