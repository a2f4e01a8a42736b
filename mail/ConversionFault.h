#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace pivlon {

// Why a text could not be converted, at which byte of the input.
enum class ConversionFaultKind {
    HalfWidthKatakana,   // single-byte kana: JIS X 0201, not in ISO-2022-JP
    ExtensionCharacter,  // code page 932's NEC, IBM and user-defined characters
    BrokenCharacter,     // not a character of the input's encoding at all
    ControlByte,         // ESC, SO or SI, which would switch the output's character set
    UnknownEscape,       // an escape sequence ISO-2022-JP does not have
    NotPlainAscii,       // a mail header that must be ASCII, such as an address
};

struct ConversionFault {
    ConversionFaultKind kind;
    std::size_t position;
    std::size_t length;
};

// The converted bytes, or where and why the conversion stopped. Nothing is
// ever replaced: a text that cannot be carried whole is not converted.
struct ConvertedText {
    std::string bytes;
    std::optional<ConversionFault> fault;
};

inline ConvertedText ConversionFailure(ConversionFaultKind kind, std::size_t position,
                                       std::size_t length) {
    return {{}, ConversionFault{kind, position, length}};
}

}  // namespace pivlon
