#include "import/EncodedWords.h"

#include <algorithm>
#include <vector>

#include "catalog/ShiftJis.h"
#include "import/HeaderCharsets.h"
#include "import/HexEscapes.h"

namespace pivlon {
namespace {

// A run of the header: an encoded word's decoded octets with their charset, or
// text as it stands (charset empty).
struct Run {
    std::string charset;
    std::string bytes;
};

std::optional<int> Base64Digit(char digit) {
    if (digit >= 'A' && digit <= 'Z')
        return digit - 'A';
    if (digit >= 'a' && digit <= 'z')
        return digit - 'a' + 26;
    if (digit >= '0' && digit <= '9')
        return digit - '0' + 52;
    if (digit == '+')
        return 62;
    if (digit == '/')
        return 63;
    return std::nullopt;
}

// Padding may be missing, as some encoders leave it out; a lone sixth bit group
// at the end is broken.
std::optional<std::string> DecodeB(std::string_view text) {
    while (!text.empty() && text.back() == '=')
        text.remove_suffix(1);
    std::string bytes;
    unsigned bits = 0;
    int bitCount = 0;
    for (char digit : text) {
        const std::optional<int> value = Base64Digit(digit);
        if (!value)
            return std::nullopt;
        bits = (bits << 6) | static_cast<unsigned>(*value);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes += static_cast<char>((bits >> bitCount) & 0xFF);
        }
    }
    if (text.size() % 4 == 1)
        return std::nullopt;
    return bytes;
}

// '_' is a blank, "=XX" an octet in hexadecimal.
std::optional<std::string> DecodeQ(std::string_view text) {
    std::string blanks(text);
    std::replace(blanks.begin(), blanks.end(), '_', ' ');
    return DecodeHexEscapes(blanks, '=');
}

struct EncodedWord {
    Run run;
    std::size_t length;  // of the whole "=?charset?e?text?=" form
};

// The encoded word at the start of `text`: "=?", a charset, "?", B or Q, "?",
// text without blanks or '?', "?=". A word that decodes to nothing is broken.
std::optional<EncodedWord> ReadEncodedWord(std::string_view text) {
    if (!text.starts_with("=?"))
        return std::nullopt;
    const std::size_t charsetEnd = text.find('?', 2);
    if (charsetEnd == std::string_view::npos || charsetEnd == 2 || charsetEnd + 2 >= text.size() ||
        text[charsetEnd + 2] != '?')
        return std::nullopt;
    const std::size_t textStart = charsetEnd + 3;
    const std::size_t textEnd = text.find("?=", textStart);
    if (textEnd == std::string_view::npos)
        return std::nullopt;
    const std::string_view charset = text.substr(2, charsetEnd - 2);
    const std::string_view encoded = text.substr(textStart, textEnd - textStart);
    if (encoded.find_first_of(" \t?") != std::string_view::npos ||
        charset.find_first_of(" \t") != std::string_view::npos)
        return std::nullopt;
    const char encoding = text[charsetEnd + 1];
    std::optional<std::string> bytes;
    if (encoding == 'B' || encoding == 'b')
        bytes = DecodeB(encoded);
    else if (encoding == 'Q' || encoding == 'q')
        bytes = DecodeQ(encoded);
    if (!bytes)
        return std::nullopt;
    return EncodedWord{{std::string(charset), std::move(*bytes)}, textEnd + 2};
}

bool IsBlanks(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

void AddRun(std::vector<Run>& runs, Run run) {
    const bool joins = !runs.empty() && runs.back().charset.empty() == run.charset.empty() &&
                       sjis::EqualIgnoringAsciiCase(runs.back().charset, run.charset);
    if (joins)
        runs.back().bytes += run.bytes;
    else
        runs.push_back(std::move(run));
}

std::vector<Run> SplitRuns(std::string_view value) {
    std::vector<Run> runs;
    std::string pendingText;
    bool afterWord = false;
    std::size_t i = 0;
    while (i < value.size()) {
        if (std::optional<EncodedWord> word = ReadEncodedWord(value.substr(i))) {
            if (!(afterWord && IsBlanks(pendingText)) && !pendingText.empty())
                AddRun(runs, {"", pendingText});
            pendingText.clear();
            AddRun(runs, std::move(word->run));
            afterWord = true;
            i += word->length;
        } else {
            pendingText += value[i++];
        }
    }
    if (!pendingText.empty())
        AddRun(runs, {"", pendingText});
    return runs;
}

std::optional<std::string> DecodeText(std::string_view text, const Utf8Converter& utf8) {
    if (text.find('\x1b') != std::string_view::npos)
        return CharsetToShiftJis("iso-2022-jp", text, utf8);
    if (std::optional<std::string> ascii = CharsetToShiftJis("us-ascii", text, utf8))
        return ascii;
    return CharsetToShiftJis("utf-8", text, utf8);
}

}  // namespace

std::optional<std::string> DecodeHeaderText(std::string_view value, const Utf8Converter& utf8) {
    std::string shiftJis;
    for (const Run& run : SplitRuns(value)) {
        const std::optional<std::string> decoded =
            run.charset.empty() ? DecodeText(run.bytes, utf8)
                                : CharsetToShiftJis(run.charset, run.bytes, utf8);
        if (!decoded)
            return std::nullopt;
        shiftJis += *decoded;
    }
    return shiftJis;
}

}  // namespace pivlon
