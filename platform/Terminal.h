#pragma once

#include <string_view>

namespace pivlon {

enum class OutputStream { standardOutput, standardError };

// Where a console program's output goes. Texts are UTF-8 and are shown in the
// terminal's own encoding; bytes are written as they are, with no line end changed.
class Terminal {
  public:
    virtual ~Terminal() = default;
    // False when the terminal's encoding cannot show the text; nothing is written then.
    virtual bool WriteText(OutputStream stream, std::string_view utf8) = 0;
    virtual void WriteBytes(std::string_view bytes) = 0;
};

}  // namespace pivlon
