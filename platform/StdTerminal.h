#pragma once

#include "platform/Terminal.h"

namespace pivlon {

// The native builds' terminal: texts in the character set of the locale
// (LC_CTYPE), UTF-8 where the locale is plain ASCII, as in the C locale of a
// bare machine whose terminal still shows UTF-8.
class StdTerminal : public Terminal {
  public:
    bool WriteText(OutputStream stream, std::string_view utf8) override;
    void WriteBytes(std::string_view bytes) override;
};

}  // namespace pivlon
