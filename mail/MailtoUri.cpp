#include "mail/MailtoUri.h"

namespace pivlon {
namespace {

bool IsUnreserved(char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

std::string PercentEncoded(std::string_view text, std::string_view keep = {}) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded;
    for (const char byte : text) {
        if (byte == '\n') {
            encoded += "%0D%0A";
        } else if (IsUnreserved(byte) || keep.find(byte) != std::string_view::npos) {
            encoded += byte;
        } else {
            const auto value = static_cast<unsigned char>(byte);
            encoded += '%';
            encoded += kHex[value >> 4];
            encoded += kHex[value & 0x0F];
        }
    }
    return encoded;
}

}  // namespace

std::string MailtoUri(std::string_view to, std::string_view subject, std::string_view body) {
    return "mailto:" + PercentEncoded(to, "@") + "?subject=" + PercentEncoded(subject) +
           "&body=" + PercentEncoded(body);
}

}  // namespace pivlon
