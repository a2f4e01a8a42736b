#include "import/ListId.h"

#include "catalog/ProfileLine.h"

namespace pivlon {
namespace {

// A quoted string without its quotes and backslashes; other text as it stands.
std::string Unquoted(std::string_view phrase) {
    if (phrase.size() < 2 || phrase.front() != '"' || phrase.back() != '"')
        return std::string(phrase);
    std::string text;
    for (std::size_t i = 1; i + 1 < phrase.size(); ++i) {
        if (phrase[i] == '\\' && i + 2 < phrase.size())
            ++i;
        text += phrase[i];
    }
    return text;
}

bool IsLabel(std::string_view label) {
    return !label.empty() && label.find_first_of(" \t<>\"") == std::string_view::npos;
}

}  // namespace

std::optional<ListId> ParseListId(std::string_view value) {
    const std::size_t open = value.rfind('<');
    if (open == std::string_view::npos) {
        const std::string_view bare = TrimBlanks(value);
        return IsLabel(bare) ? std::optional<ListId>(ListId{"", std::string(bare)}) : std::nullopt;
    }
    const std::size_t close = value.find('>', open);
    if (close == std::string_view::npos)
        return std::nullopt;
    const std::string_view label = TrimBlanks(value.substr(open + 1, close - open - 1));
    if (!IsLabel(label))
        return std::nullopt;
    return ListId{Unquoted(TrimBlanks(value.substr(0, open))), std::string(label)};
}

std::string_view ListNameOfLabel(std::string_view label) {
    return label.substr(0, label.find('.'));
}

}  // namespace pivlon
