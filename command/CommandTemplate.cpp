#include "command/CommandTemplate.h"

#include <cstdint>

namespace pivlon {
namespace {

void AppendField(std::string& text, TemplateField field, const CommandRequest& request,
                 std::string_view digestListName) {
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
        case TemplateField::digestListName:
            text += digestListName;
            break;
    }
}

}  // namespace

std::string FillTemplate(const CommandTemplate& commandTemplate, const CommandRequest& request,
                         std::string_view digestListName) {
    const std::string_view format = commandTemplate.format;
    std::string text;
    std::size_t nextField = 0;
    for (std::size_t index = 0; index < format.size(); ++index) {
        if (IsPlaceholderAt(format, index)) {
            AppendField(text, commandTemplate.fields[nextField++], request, digestListName);
            ++index;
        } else {
            text += format[index];
        }
    }
    if (commandTemplate.suffixAddress) {
        // The flag alone decides: an empty address still gets its blank.
        if (request.specifyAddress != 0) {
            text += ' ';
            AppendField(text, *commandTemplate.suffixAddress, request, digestListName);
        }
        text += commandTemplate.terminator;
    }
    return text;
}

bool ComposeFromTable(const TemplateTable& table, const CommandRequest& request,
                      std::string& mailText, std::string_view digestListName) {
    const int serverType = request.serverType;
    if (serverType < ServerType::Majordomo || serverType > ServerType::CML ||
        !table[serverType - ServerType::Majordomo]) {
        // Left as a lone line feed so that a caller writing every composer's
        // result, failed or not, shows an empty line for it.
        mailText = "\n";
        return false;
    }
    mailText = FillTemplate(*table[serverType - ServerType::Majordomo], request, digestListName);
    return true;
}

}  // namespace pivlon
