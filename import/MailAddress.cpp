#include "import/MailAddress.h"

#include "catalog/ProfileLine.h"

namespace pivlon {
namespace {

// The header value with its comments and quoted strings blanked out, so that a
// '<', '@' or ',' inside them is never taken for a delimiter.
std::string WithoutCommentsAndQuotes(std::string_view value) {
    std::string plain(value);
    int commentDepth = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char byte = plain[i];
        const bool escaped = (quoted || commentDepth > 0) && byte == '\\';
        if (quoted) {
            quoted = byte != '"';
            plain[i] = ' ';
        } else if (byte == '(') {
            ++commentDepth;
            plain[i] = ' ';
        } else if (commentDepth > 0) {
            commentDepth -= byte == ')' ? 1 : 0;
            plain[i] = ' ';
        } else if (byte == '"') {
            quoted = true;
            plain[i] = ' ';
        }
        if (escaped && i + 1 < plain.size())
            plain[++i] = ' ';
    }
    return plain;
}

}  // namespace

std::optional<std::string> FirstAddress(std::string_view value) {
    const std::string plain = WithoutCommentsAndQuotes(value);
    std::string_view candidate(plain);
    const std::size_t open = candidate.find('<');
    const std::size_t comma = candidate.find(',');
    if (open != std::string_view::npos && (comma == std::string_view::npos || open < comma)) {
        const std::size_t close = candidate.find('>', open);
        if (close == std::string_view::npos)
            return std::nullopt;
        candidate = candidate.substr(open + 1, close - open - 1);
    } else {
        candidate = candidate.substr(0, comma);
    }
    candidate = TrimBlanks(candidate);
    if (candidate.find_first_of(" \t") != std::string_view::npos || !SplitAddress(candidate))
        return std::nullopt;
    return std::string(candidate);
}

std::optional<AddressParts> SplitAddress(std::string_view address) {
    const std::size_t at = address.rfind('@');
    if (at == std::string_view::npos || at == 0 || at + 1 == address.size())
        return std::nullopt;
    return AddressParts{address.substr(0, at), address.substr(at + 1)};
}

}  // namespace pivlon
