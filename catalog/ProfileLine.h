#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pivlon {

// One line of a profile file as the profile service reads it, with the byte
// positions a writer needs to change the line without touching its neighbours.
struct ProfileLine {
    enum class Kind { Blank, Section, Entry };

    Kind kind = Kind::Blank;
    std::size_t start = 0;             // first byte of the line
    std::size_t end = 0;               // the line break (or the end of the file)
    std::size_t next = 0;              // first byte after the line break
    std::size_t keyEnd = 0;            // for an entry: just past the key as stored, blanks excluded
    std::string name;                  // section or key name, blanks dropped, ended by a NUL
    std::optional<std::string> value;  // blanks dropped, ended by a NUL; none without '='
};

// Parses the line bytes[start, end); next is where the following line begins.
ProfileLine ParseProfileLine(std::string_view bytes, std::size_t start, std::size_t end,
                             std::size_t next);

// Blanks are the bytes 0x09-0x0D and the space; none of them can be a trail byte.
bool IsBlank(char byte);
std::string_view TrimBlanks(std::string_view text);

}  // namespace pivlon
