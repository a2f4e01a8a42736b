#pragma once

#include <string>

#include "catalog/ListCatalog.h"
#include "command/CommandRequest.h"

namespace pivlon {

// One composer per operation. Each reads a request whose `serverType` and
// `commandAddress` are filled, replaces `mailText` with the whole command mail
// and returns true; on false `mailText` holds "\n" (operation not offered for
// the server type) or is left as it was (a catalog error was shown).
// Only the Majordomo digest composers read the catalog.
using Composer = bool (*)(const CommandRequest& request, std::string& mailText,
                          const ListCatalog& catalog);

bool ComposeJoin(const CommandRequest&, std::string& mailText, const ListCatalog&);
bool ComposeLeave(const CommandRequest&, std::string& mailText, const ListCatalog&);
bool ComposePause(const CommandRequest&, std::string& mailText, const ListCatalog&);
bool ComposeResume(const CommandRequest&, std::string& mailText, const ListCatalog&);
bool ComposeChangeAddress(const CommandRequest&, std::string& mailText, const ListCatalog&);
bool ComposeDigestJoin(const CommandRequest&, std::string& mailText, const ListCatalog&);
bool ComposeDigestLeave(const CommandRequest&, std::string& mailText, const ListCatalog&);
bool ComposeHelp(const CommandRequest&, std::string& mailText, const ListCatalog&);
bool ComposeIndex(const CommandRequest&, std::string& mailText, const ListCatalog&);
bool ComposeGet(const CommandRequest&, std::string& mailText, const ListCatalog&);

}  // namespace pivlon
