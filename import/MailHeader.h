#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pivlon {

// One header field, its folded lines joined again: the line breaks before
// continuation lines are gone, their blanks kept.
struct HeaderField {
    std::string name;
    std::string value;  // without the blanks after the colon and at its end
};

// The header block of a saved message.
class HeaderBlock {
  public:
    explicit HeaderBlock(std::vector<HeaderField> fields) : fields_(std::move(fields)) {}

    // The first field of this name (names compared without regard to ASCII case):
    // where a field repeats, its first occurrence counts. nullptr when there is none.
    const HeaderField* Find(std::string_view name) const;
    const std::vector<HeaderField>& Fields() const { return fields_; }

  private:
    std::vector<HeaderField> fields_;
};

// Why a file is no mail at all.
enum class NotAMail {
    Empty,          // nothing, or blanks only
    Binary,         // bytes no header block holds: NUL and control bytes
    NoHeaderBlock,  // its first line is no header field
};

struct MailReading {
    std::optional<HeaderBlock> headers;
    std::optional<NotAMail> fault;
};

// Reads the header block at the start of a message (RFC 5322): fields up to the
// first empty line, folded lines unfolded. A first line "From " (the separator of a
// mailbox file) is skipped. Lines end at CR LF, LF or CR. A line that is neither a
// field nor a continuation ends the block as an empty line would.
MailReading ReadHeaderBlock(std::string_view mail);

}  // namespace pivlon
