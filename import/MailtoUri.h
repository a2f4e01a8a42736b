#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pivlon {

// A mailto: URI (RFC 6068), percent-decoded: the addresses before '?' and those of
// "to" fields, and the subject and body fields. Decoded values are the URI's
// octets, UTF-8 by the RFC; what else a URI carries is not needed here.
struct MailtoUri {
    std::vector<std::string> to;
    std::string subject;
    std::string body;
};

// nullopt for any other scheme and for a broken percent-encoding.
std::optional<MailtoUri> ParseMailto(std::string_view uri);

// The URIs of a list header (RFC 2369): each between angle brackets, blanks
// inside the brackets dropped, comments in parentheses and the commas between
// them skipped.
std::vector<std::string> ListHeaderUris(std::string_view value);

}  // namespace pivlon
