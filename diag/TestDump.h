#pragma once

#include <string>

#include "catalog/ListCatalog.h"
#include "command/CommandRequest.h"
#include "platform/DialogHost.h"
#include "platform/System.h"

namespace pivlon {

// Composes every operation for every list of the selector into "debug.txt",
// using the dialog's own request and mail text. False when the file could not
// be created or written; the file-error report has then been shown.
bool WriteTestDump(DialogHost& host, CommandRequest& request, std::string& mailText,
                   const ListCatalog& catalog, System& system);

}  // namespace pivlon
