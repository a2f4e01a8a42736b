#include "command/Composers.h"

#include "command/CommandTemplate.h"
#include "command/ParseMailNumbers.h"

namespace pivlon {
namespace {

using enum TemplateField;

constexpr TemplateTable kJoinTemplates = {
    TemplateWithAddress("TO: %s\nSubject: Subscribe %s\n\nsubscribe %s",
                        {commandAddress, listName, listName}, mailAddress, "\nend\n"),
    TemplateWithAddress("TO: %s\nSubject: Subscribe %s\n\n#subscribe", {commandAddress, listName},
                        mailAddress, "\n#end\n"),
    Template("TO: %s\nSubject: Append\n\n", {commandAddress}),
};

constexpr TemplateTable kLeaveTemplates = {
    TemplateWithAddress("TO: %s\nSubject: UnSubscribe %s\n\nunsubscribe %s",
                        {commandAddress, listName, listName}, mailAddress, "\nend\n"),
    TemplateWithAddress("TO: %s\nSubject: UnSubscribe %s\n\n#unsubscribe",
                        {commandAddress, listName}, mailAddress, "\n#end\n"),
    Template("TO: %s\nSubject: Delete\n\n%d %s", {commandAddress, memberNumber, password}),
};

constexpr TemplateTable kPauseTemplates = {
    std::nullopt,
    Template("TO: %s\nSubject: Off %s\n\n#off\n#end\n", {commandAddress, listName}),
    Template("TO: %s\nSubject: Stop\n\n%d %s", {commandAddress, memberNumber, password}),
};

// CML resumes delivery with the same Send command that ends digest delivery.
constexpr CommandTemplate kCmlSend =
    Template("TO: %s\nSubject: Send\n\n%d %s", {commandAddress, memberNumber, password});

constexpr TemplateTable kResumeTemplates = {
    std::nullopt,
    Template("TO: %s\nSubject: On %s\n\n#on\n#end\n", {commandAddress, listName}),
    kCmlSend,
};

// Majordomo has no address change: the mail unsubscribes the registered
// address and subscribes the new one, the second command following below.
constexpr TemplateTable kChangeAddressTemplates = {
    TemplateWithAddress("TO: %s\nSubject: Address Change %s\n\nunsubscribe %s",
                        {commandAddress, listName, listName}, mailAddress, "\n"),
    Template("TO: %s\nSubject: Address Change %s\n\n#chaddr %s %s\n#end\n",
             {commandAddress, listName, mailAddress, newAddress}),
    Template("TO: %s\nSubject: Address\n\n%d %s\nADDRESS %s\n",
             {commandAddress, memberNumber, password, newAddress}),
};

constexpr CommandTemplate kMajordomoSubscribeNewAddress =
    TemplateWithAddress("subscribe %s", {listName}, newAddress, "\nend\n");

// A Majordomo digest is a list of its own, joined and left like any list.
constexpr TemplateTable kDigestJoinTemplates = {
    TemplateWithAddress("TO: %s\nSubject: Subscribe %s\n\nsubscribe %s",
                        {commandAddress, digestListName, digestListName}, mailAddress, "\nend\n"),
    Template("TO: %s\nSubject: digest on %s\n\n#matome %s\n#end\n",
             {commandAddress, listName, parameter}),
    Template("TO: %s\nSubject: Digest\n\n%d %s", {commandAddress, memberNumber, password}),
};

constexpr TemplateTable kDigestLeaveTemplates = {
    TemplateWithAddress("TO: %s\nSubject: UnSubscribe %s\n\nunsubscribe %s",
                        {commandAddress, digestListName, digestListName}, mailAddress, "\nend\n"),
    Template("TO: %s\nSubject: digest off %s\n\n#matome 0\n#end\n", {commandAddress, listName}),
    kCmlSend,
};

constexpr TemplateTable kHelpTemplates = {
    Template("TO: %s\nSubject: Help %s\n\nhelp\nend\n", {commandAddress, listName}),
    Template("TO: %s\nSubject: Help %s\n\n#help\n#end\n", {commandAddress, listName}),
    Template("TO: %s\nSubject: Help\n\n", {commandAddress}),
};

constexpr TemplateTable kIndexTemplates = {
    Template("TO: %s\nSubject: Index %s\n\nindex %s\nend\n", {commandAddress, listName, listName}),
    Template("TO: %s\nSubject: Index %s\n\n#index\n#end\n", {commandAddress, listName}),
    Template("TO: %s\nSubject: List\n\nLIST ALL\n", {commandAddress}),
};

// A Majordomo get fetches one mail, so the numbers follow below as one command each.
constexpr TemplateTable kGetTemplates = {
    Template("TO: %s\nSubject: Get %s [%s]\n\n", {commandAddress, listName, mailNumbers}),
    Template("TO: %s\nSubject: Get %s [%s]\n\n#get %s\n#end\n",
             {commandAddress, listName, mailNumbers, mailNumbers}),
    Template("TO: %s\nSubject: Get\n\nGET %s\n", {commandAddress, mailNumbers}),
};

bool ComposeDigest(const TemplateTable& table, const CommandRequest& request, std::string& mailText,
                   const ListCatalog& catalog) {
    if (request.serverType != ServerType::Majordomo) {
        return ComposeFromTable(table, request, mailText);
    }
    std::string digestListName;
    if (!catalog.ReadDigestList(request.listName, digestListName))
        return false;
    return ComposeFromTable(table, request, mailText, digestListName);
}

// An invalid number text asks for no mail; the mail still goes out with its "end".
std::string MajordomoGetCommands(std::string_view mailNumbers) {
    MailNumberList numbers;
    const int count = ParseMailNumbers(mailNumbers, numbers);
    std::string commands;
    for (int index = 0; index < count; ++index) {
        commands += "get " + std::to_string(numbers[index]) + "\n";
    }
    return commands + "end\n";
}

}  // namespace

bool ComposeJoin(const CommandRequest& request, std::string& mailText, const ListCatalog&) {
    return ComposeFromTable(kJoinTemplates, request, mailText);
}

bool ComposeLeave(const CommandRequest& request, std::string& mailText, const ListCatalog&) {
    return ComposeFromTable(kLeaveTemplates, request, mailText);
}

bool ComposePause(const CommandRequest& request, std::string& mailText, const ListCatalog&) {
    return ComposeFromTable(kPauseTemplates, request, mailText);
}

bool ComposeResume(const CommandRequest& request, std::string& mailText, const ListCatalog&) {
    return ComposeFromTable(kResumeTemplates, request, mailText);
}

bool ComposeChangeAddress(const CommandRequest& request, std::string& mailText,
                          const ListCatalog&) {
    if (!ComposeFromTable(kChangeAddressTemplates, request, mailText))
        return false;
    if (request.serverType == ServerType::Majordomo) {
        mailText += FillTemplate(kMajordomoSubscribeNewAddress, request);
    }
    return true;
}

bool ComposeDigestJoin(const CommandRequest& request, std::string& mailText,
                       const ListCatalog& catalog) {
    return ComposeDigest(kDigestJoinTemplates, request, mailText, catalog);
}

bool ComposeDigestLeave(const CommandRequest& request, std::string& mailText,
                        const ListCatalog& catalog) {
    return ComposeDigest(kDigestLeaveTemplates, request, mailText, catalog);
}

bool ComposeHelp(const CommandRequest& request, std::string& mailText, const ListCatalog&) {
    return ComposeFromTable(kHelpTemplates, request, mailText);
}

bool ComposeIndex(const CommandRequest& request, std::string& mailText, const ListCatalog&) {
    return ComposeFromTable(kIndexTemplates, request, mailText);
}

bool ComposeGet(const CommandRequest& request, std::string& mailText, const ListCatalog&) {
    if (!ComposeFromTable(kGetTemplates, request, mailText))
        return false;
    if (request.serverType == ServerType::Majordomo) {
        mailText += MajordomoGetCommands(request.mailNumbers);
    }
    return true;
}

}  // namespace pivlon
