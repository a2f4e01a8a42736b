#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "command/CommandRequest.h"

namespace pivlon {

// What a template's places can be filled with.
enum class TemplateField {
    commandAddress,
    listName,
    mailAddress,
    newAddress,
    memberNumber,
    password,
    parameter,
    mailNumbers,
};

// One server family's mail for one operation. The format's "%s" and "%d"
// places take `fields` in order; the values are inserted as they are, never
// read as formats themselves. With an address suffix, the request's flag
// decides whether a blank and `suffixAddress` follow; `terminator` follows in
// any case.
struct CommandTemplate {
    static constexpr std::size_t kMostFields = 4;

    std::string_view format;
    std::array<TemplateField, kMostFields> fields{};
    std::optional<TemplateField> suffixAddress;
    std::string_view terminator;
};

constexpr bool IsPlaceholderAt(std::string_view format, std::size_t index) {
    return format[index] == '%' && index + 1 < format.size() &&
           (format[index + 1] == 's' || format[index + 1] == 'd');
}

// Builds a template at compile time, so that a row whose fields do not fit its
// places ("%d" for the number, "%s" for texts) does not compile.
consteval CommandTemplate Template(std::string_view format,
                                   std::initializer_list<TemplateField> fields) {
    CommandTemplate result;
    result.format = format;
    auto field = fields.begin();
    std::size_t count = 0;
    for (std::size_t index = 0; index < format.size(); ++index) {
        if (!IsPlaceholderAt(format, index))
            continue;
        if (field == fields.end())
            throw "more places than fields";
        const bool numeric = *field == TemplateField::memberNumber;
        if (numeric != (format[index + 1] == 'd'))
            throw "field does not fit its place";
        result.fields[count++] = *field++;
    }
    if (field != fields.end())
        throw "more fields than places";
    return result;
}

consteval CommandTemplate TemplateWithAddress(std::string_view format,
                                              std::initializer_list<TemplateField> fields,
                                              TemplateField suffixAddress,
                                              std::string_view terminator) {
    CommandTemplate result = Template(format, fields);
    result.suffixAddress = suffixAddress;
    result.terminator = terminator;
    return result;
}

std::string FillTemplate(const CommandTemplate& commandTemplate, const CommandRequest& request);

}  // namespace pivlon
