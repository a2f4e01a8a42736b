#include "import/MailtoUri.h"

#include <algorithm>

#include "catalog/ProfileLine.h"
#include "catalog/ShiftJis.h"
#include "import/HexEscapes.h"

namespace pivlon {
namespace {

// '+' is a plus in mailto: URIs, never a blank.
std::optional<std::string> PercentDecoded(std::string_view text) {
    return DecodeHexEscapes(text, '%');
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           sjis::EqualIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

// Appends the comma-separated addresses, empty ones left out.
bool AddAddresses(std::string_view list, std::vector<std::string>& to) {
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        std::optional<std::string> address = PercentDecoded(list.substr(0, comma));
        if (!address)
            return false;
        if (!address->empty())
            to.push_back(std::move(*address));
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return true;
}

bool AddField(std::string_view field, MailtoUri& uri) {
    const std::size_t equals = field.find('=');
    if (equals == std::string_view::npos)
        return true;
    const std::optional<std::string> name = PercentDecoded(field.substr(0, equals));
    const std::string_view encodedValue = field.substr(equals + 1);
    if (!name)
        return false;
    if (sjis::EqualIgnoringAsciiCase(*name, "to"))
        return AddAddresses(encodedValue, uri.to);
    std::optional<std::string> value = PercentDecoded(encodedValue);
    if (!value)
        return false;
    if (sjis::EqualIgnoringAsciiCase(*name, "subject"))
        uri.subject = std::move(*value);
    else if (sjis::EqualIgnoringAsciiCase(*name, "body"))
        uri.body = std::move(*value);
    return true;
}

}  // namespace

std::optional<MailtoUri> ParseMailto(std::string_view uri) {
    constexpr std::string_view kScheme = "mailto:";
    if (!StartsWithIgnoringCase(uri, kScheme))
        return std::nullopt;
    uri.remove_prefix(kScheme.size());
    MailtoUri parsed;
    const std::size_t question = std::min(uri.find('?'), uri.size());
    if (!AddAddresses(uri.substr(0, question), parsed.to))
        return std::nullopt;
    std::string_view fields = uri.substr(std::min(question + 1, uri.size()));
    while (!fields.empty()) {
        const std::size_t ampersand = std::min(fields.find('&'), fields.size());
        if (!AddField(fields.substr(0, ampersand), parsed))
            return std::nullopt;
        fields.remove_prefix(std::min(ampersand + 1, fields.size()));
    }
    return parsed;
}

std::vector<std::string> ListHeaderUris(std::string_view value) {
    std::vector<std::string> uris;
    int commentDepth = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char byte = value[i];
        if (byte == '(') {
            ++commentDepth;
        } else if (byte == ')' && commentDepth > 0) {
            --commentDepth;
        } else if (byte == '<' && commentDepth == 0) {
            const std::size_t close = value.find('>', i);
            if (close == std::string_view::npos)
                break;
            std::string uri;
            for (char inner : value.substr(i + 1, close - i - 1)) {
                if (!IsBlank(inner))
                    uri += inner;
            }
            uris.push_back(std::move(uri));
            i = close;
        }
    }
    return uris;
}

}  // namespace pivlon
