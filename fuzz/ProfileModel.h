#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The profile rules as the fuzz targets expect them, written from the rules and not
// from the reader, so that the two can disagree.
namespace pivlon::fuzz::model {

inline bool IsBlank(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

inline std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

inline bool HasBlankEnd(std::string_view name) {
    return !name.empty() && (IsBlank(name.front()) || IsBlank(name.back()));
}

inline bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Shift-JIS characters: a lead byte takes the next byte with it when that byte can trail.
inline std::size_t CharLength(std::string_view text, std::size_t position) {
    const auto byte = static_cast<unsigned char>(text[position]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    if (!lead || position + 1 == text.size())
        return 1;
    const auto next = static_cast<unsigned char>(text[position + 1]);
    return next >= 0x40 && next <= 0xFC ? 2 : 1;
}

inline std::vector<std::size_t> CharStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i))
        starts.push_back(i);
    return starts;
}

inline std::string_view DropMatchingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// What a read gives back of a written value: the writer ends it at its first line
// break (a NUL would end it for the reader too), the reader trims it and drops quotes.
inline std::string_view ValueReadBack(std::string_view written) {
    written = written.substr(0, written.find_first_of(std::string_view("\r\n\0", 3)));
    return DropMatchingQuotes(Trim(written));
}

// Every byte folded: names the reader takes as equal always fold equal here, so a
// test that skips names equal to another under this fold skips at least those.
inline std::string FoldEveryByte(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char byte) {
        return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
    });
    return folded;
}

// Names worth asking for: each line's text before its first '=', trimmed, without
// repeats, at most `most` of them. Byte-wise and rough on purpose: it only proposes
// names, the checks decide with what the reader answers.
inline std::vector<std::string> KeyCandidates(std::string_view file, std::size_t most) {
    std::vector<std::string> keys;
    while (!file.empty() && keys.size() < most) {
        const std::size_t end = std::min(file.find_first_of("\r\n"), file.size());
        const std::string key(Trim(file.substr(0, std::min(file.find('='), end))));
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            keys.push_back(key);
        file.remove_prefix(std::min(end + 1, file.size()));
    }
    return keys;
}

}  // namespace pivlon::fuzz::model
