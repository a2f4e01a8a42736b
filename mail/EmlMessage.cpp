#include "mail/EmlMessage.h"

#include "catalog/ShiftJis.h"
#include "mail/Base64.h"
#include "mail/Iso2022Jp.h"
#include "platform/TextMode.h"

namespace pivlon {
namespace {

// 36 bytes give 48 base64 characters and a word of 66: with "Subject: " in
// front of the first, every line stays within RFC 2047's 76 characters.
constexpr std::size_t kMostBytesPerWord = 36;

bool IsPlainAscii(std::string_view text) {
    for (const char byte : text) {
        if (static_cast<unsigned char>(byte) >= 0x80 || byte == '\x1b')
            return false;
    }
    return true;
}

// The whole subject in encoded words, one per line: each word is cut at a
// character and ends in ASCII, so each decodes by itself.
ConvertedText EncodedSubject(std::string_view subject, std::size_t offset) {
    std::string words;
    std::size_t start = 0;
    while (start < subject.size()) {
        std::string chunk;
        std::size_t end = start;
        while (end < subject.size()) {
            const std::size_t length = sjis::CharLengthAt(subject, end);
            const ConvertedText longer =
                EncodeIso2022Jp(subject.substr(start, end - start + length));
            if (longer.fault) {
                ConversionFault fault = *longer.fault;
                fault.position += offset + start;
                return {{}, fault};
            }
            if (longer.bytes.size() > kMostBytesPerWord && end > start)
                break;
            chunk = longer.bytes;
            end += length;
        }
        if (!words.empty())
            words += "\r\n ";
        words += "=?ISO-2022-JP?B?" + EncodeBase64(chunk) + "?=";
        start = end;
    }
    return {words, std::nullopt};
}

}  // namespace

ConvertedText ComposeEmlMessage(const CommandMailParts& parts) {
    // Positions of faults count from the start of the mail text.
    const std::size_t subjectOffset =
        static_cast<std::size_t>(parts.subject.data() - parts.to.data()) + 4;
    const std::size_t bodyOffset =
        static_cast<std::size_t>(parts.body.data() - parts.to.data()) + 4;
    if (!IsPlainAscii(parts.to))
        return ConversionFailure(ConversionFaultKind::NotPlainAscii, 4, parts.to.size());

    std::string subject(parts.subject);
    if (!IsPlainAscii(subject)) {
        ConvertedText encoded = EncodedSubject(parts.subject, subjectOffset);
        if (encoded.fault)
            return encoded;
        subject = encoded.bytes;
    }
    ConvertedText body = EncodeIso2022Jp(parts.body);
    if (body.fault) {
        body.fault->position += bodyOffset;
        return body;
    }
    const bool asciiBody = IsPlainAscii(parts.body);
    std::string message = "To: " + std::string(parts.to) + "\r\nSubject: " + subject +
                          "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=" +
                          (asciiBody ? "US-ASCII" : "ISO-2022-JP") +
                          "\r\nContent-Transfer-Encoding: 7bit\r\n\r\n";
    return {message + ToTextMode(body.bytes), std::nullopt};
}

}  // namespace pivlon
