#pragma once

#include <string>

#include "catalog/ListCatalog.h"
#include "command/CommandOperation.h"
#include "command/CommandRequest.h"

namespace pivlon {

enum class ComposeResult {
    composed,           // mailText holds the whole command mail
    notOffered,         // the family does not offer it, or `serverType` names no family:
                        // mailText is "\n"
    catalogErrorShown,  // mailText is unchanged
};

// Composes one operation for a request whose `serverType` and `commandAddress` are
// filled, from the operation's row (tables/Operations.h). Only a family whose digest is a
// list of its own reads the catalog, for the digest list's name.
ComposeResult ComposeOperation(CommandOperation operation, const CommandRequest& request,
                               std::string& mailText, const ListCatalog& catalog);

}  // namespace pivlon
