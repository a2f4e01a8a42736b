#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace pivlon {

// One line of a profile file as the profile service reads it, with the byte
// positions a writer needs to change the line without touching its neighbours.
struct ProfileLine {
    enum class Kind { Blank, Section, Entry };

    Kind kind = Kind::Blank;
    std::size_t start = 0;   // first byte of the line
    std::size_t end = 0;     // the line break (or the end of the file)
    std::size_t next = 0;    // first byte after the line break
    std::size_t keyEnd = 0;  // for an entry: just past the key as stored, blanks excluded
    // Views into the bytes the line was parsed from, valid while those stay unchanged.
    std::string_view name;                  // section or key name, blanks dropped, ended by a NUL
    std::optional<std::string_view> value;  // blanks dropped, ended by a NUL; none without '='
};

// Parses the line that begins at `start`. Lines end at CR LF, at CR alone or at LF
// alone; neither byte can be a trail byte.
ProfileLine ParseProfileLine(std::string_view bytes, std::size_t start);

// The start of the next line at or after `from` whose first byte other than a blank is
// '[': only such a line can be a section header. npos when there is none.
// `contentStart` is where the file's first line begins.
std::size_t FindBracketLine(std::string_view bytes, std::size_t from, std::size_t contentStart);

// Blanks are the bytes 0x09-0x0D and the space; none of them can be a trail byte.
bool IsBlank(char byte);
std::string_view TrimBlanks(std::string_view text);

}  // namespace pivlon
