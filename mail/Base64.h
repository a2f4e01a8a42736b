#pragma once

#include <string>
#include <string_view>

namespace pivlon {

// RFC 4648 base64 with padding, as MIME's "B" encoding wants it.
std::string EncodeBase64(std::string_view bytes);

}  // namespace pivlon
