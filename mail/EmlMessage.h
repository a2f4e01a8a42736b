#pragma once

#include <string_view>

#include "mail/CommandMailParts.h"
#include "mail/ConversionFault.h"

namespace pivlon {

// A composed command mail as a message file that mail clients open as a draft:
// To, Subject (RFC 2047 encoded words of ISO-2022-JP where it is not plain
// ASCII), MIME-Version, a text/plain body in ISO-2022-JP (US-ASCII where it is
// plain ASCII) sent as 7bit, CR LF line ends. The fault of a text that has no
// ISO-2022-JP form, or of an address that is not plain ASCII, gives no message;
// its position counts from the start of the mail text the parts come from.
ConvertedText ComposeEmlMessage(const CommandMailParts& parts);

}  // namespace pivlon
