#pragma once

#include <string>

#include "catalog/ListCatalog.h"
#include "command/CommandRequest.h"
#include "command/ComposeOperation.h"

namespace pivlon {

// Re-reads the list's `Type` and `To` into the request and composes the operation. A
// faulty catalog entry has shown its message and leaves mailText unchanged.
ComposeResult ComposeCommand(CommandRequest& request, CommandOperation operation,
                             std::string& mailText, const ListCatalog& catalog);

}  // namespace pivlon
