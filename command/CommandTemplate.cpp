#include "command/CommandTemplate.h"

#include <cstdint>

namespace pivlon {
namespace {

void AppendField(std::string& text, TemplateField field, const CommandRequest& request) {
    switch (field) {
        case TemplateField::commandAddress:
            text += request.commandAddress;
            break;
        case TemplateField::listName:
            text += request.listName;
            break;
        case TemplateField::mailAddress:
            text += request.mailAddress;
            break;
        case TemplateField::newAddress:
            text += request.newAddress;
            break;
        case TemplateField::memberNumber:
            // Member numbers go out as signed 32-bit numbers, as the settings file
            // stores them, so one typed above 2147483647 reads as its negative twin.
            text += std::to_string(static_cast<std::int32_t>(request.memberNumber));
            break;
        case TemplateField::password:
            text += request.password;
            break;
        case TemplateField::parameter:
            text += request.parameter;
            break;
        case TemplateField::mailNumbers:
            text += request.mailNumbers;
            break;
    }
}

}  // namespace

std::string FillTemplate(const CommandTemplate& commandTemplate, const CommandRequest& request) {
    const std::string_view format = commandTemplate.format;
    std::string text;
    std::size_t nextField = 0;
    for (std::size_t index = 0; index < format.size(); ++index) {
        if (IsPlaceholderAt(format, index)) {
            AppendField(text, commandTemplate.fields[nextField++], request);
            ++index;
        } else {
            text += format[index];
        }
    }
    if (commandTemplate.suffixAddress) {
        // The flag alone decides: an empty address still gets its blank.
        if (request.specifyAddress != 0) {
            text += ' ';
            AppendField(text, *commandTemplate.suffixAddress, request);
        }
        text += commandTemplate.terminator;
    }
    return text;
}

}  // namespace pivlon
