#pragma once

#include <string>
#include <string_view>

namespace pivlon {

// An RFC 6068 "mailto:" URI for a recipient, subject and body given in UTF-8:
// every byte but the unreserved characters percent-encoded ("@" too is left
// in the address), line feeds of the body as %0D%0A.
std::string MailtoUri(std::string_view to, std::string_view subject, std::string_view body);

}  // namespace pivlon
