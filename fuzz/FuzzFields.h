#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pivlon::fuzz {

// Splits one input into `count` fields at its first count - 1 bytes 0xFF, a byte that
// Shift-JIS never uses, so that seeds can be written by hand. The last field runs to
// the end and may hold 0xFF itself; fields the input does not reach are empty.
inline std::vector<std::string_view> FuzzFields(const std::uint8_t* data, std::size_t size,
                                                std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t separator = rest.find('\xFF');
        fields.push_back(rest.substr(0, separator));
        rest =
            separator == std::string_view::npos ? std::string_view() : rest.substr(separator + 1);
    }
    fields.push_back(rest);
    return fields;
}

}  // namespace pivlon::fuzz
