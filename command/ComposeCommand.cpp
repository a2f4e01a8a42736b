#include "command/ComposeCommand.h"

namespace pivlon {

ComposeResult ComposeCommand(CommandRequest& request, CommandOperation operation,
                             std::string& mailText, const ListCatalog& catalog) {
    // Read afresh at every send, so that an edited catalog counts without a restart.
    if (!catalog.ReadServerType(request.listName, request.serverType))
        return ComposeResult::catalogErrorShown;
    if (!catalog.ReadCommandAddress(request.listName, request.commandAddress))
        return ComposeResult::catalogErrorShown;
    return ComposeOperation(operation, request, mailText, catalog);
}

}  // namespace pivlon
