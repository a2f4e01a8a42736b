#pragma once

#include <optional>
#include <string>
#include <vector>

#include "import/CatalogEntry.h"
#include "import/MailHeader.h"
#include "platform/Utf8Converter.h"

namespace pivlon {

// What the user settles that the headers leave open; texts in Shift-JIS.
struct ImportChoices {
    std::optional<std::string> listName;
    std::optional<int> serverType;
};

// The catalog entry the headers support, with what was found and where, or what is
// missing. All lines are Shift-JIS, one fact each.
struct EntryProposal {
    std::vector<std::string> found;
    std::vector<std::string> missing;  // empty exactly when there is an entry
    std::optional<CatalogEntry> entry;
};

EntryProposal ProposeEntry(const HeaderBlock& headers, const ImportChoices& choices,
                           const Utf8Converter& utf8);

}  // namespace pivlon
