#include "command/ComposeOperation.h"

#include "tables/Operations.h"
#include "tables/ServerFamilies.h"

namespace pivlon {
namespace {

std::string Fill(const FamilyMail& mail, const CommandRequest& request) {
    std::string text = FillTemplate(mail.mail, request);
    if (mail.then)
        text += mail.then(request);
    return text;
}

}  // namespace

ComposeResult ComposeOperation(CommandOperation operation, const CommandRequest& request,
                               std::string& mailText, const ListCatalog& catalog) {
    const OperationRow& row = RowOf(operation);
    const ServerFamily* family = FindServerFamily(request.serverType);
    const FamilyMail* mail =
        family && family->Offers(operation) ? FindMail(row, family->serverType) : nullptr;
    if (!mail) {
        // A lone line feed, so that the dump, which writes every result, shows an empty line.
        mailText = "\n";
        return ComposeResult::notOffered;
    }
    if (!row.digest || !family->digestIsOwnList) {
        mailText = Fill(*mail, request);
        return ComposeResult::composed;
    }
    // The mail still goes to the list's own command address.
    CommandRequest forDigestList = request;
    if (!catalog.ReadDigestList(request.listName, forDigestList.listName))
        return ComposeResult::catalogErrorShown;
    mailText = Fill(*mail, forDigestList);
    return ComposeResult::composed;
}

}  // namespace pivlon
