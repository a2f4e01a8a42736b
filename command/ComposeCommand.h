#pragma once

#include <string>

#include "catalog/ListCatalog.h"
#include "command/CommandRequest.h"

namespace pivlon {

// Re-reads the list's `Type` and `To` into the request, maps (tabIndex, that
// page's option) to an operation and runs its composer. False when there is
// nothing to send; any message has been shown already.
bool ComposeCommand(CommandRequest& request, std::string& mailText, const ListCatalog& catalog);

}  // namespace pivlon
