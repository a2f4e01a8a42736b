#include "mail/CommandMailParts.h"

namespace pivlon {
namespace {

// The rest of the line that starts `text` with `label`, and the text after that line.
std::optional<std::string_view> TakeLine(std::string_view& text, std::string_view label) {
    const std::size_t end = text.find('\n');
    if (!text.starts_with(label) || end == std::string_view::npos)
        return std::nullopt;
    const std::string_view value = text.substr(label.size(), end - label.size());
    text.remove_prefix(end + 1);
    return value;
}

}  // namespace

std::optional<CommandMailParts> SplitCommandMail(std::string_view mailText) {
    const auto to = TakeLine(mailText, "TO: ");
    const auto subject = to ? TakeLine(mailText, "Subject: ") : std::nullopt;
    if (!subject || !mailText.starts_with('\n'))
        return std::nullopt;
    return CommandMailParts{*to, *subject, mailText.substr(1)};
}

}  // namespace pivlon
