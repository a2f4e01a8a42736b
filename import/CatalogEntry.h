#pragma once

#include <string>
#include <vector>

#include "catalog/ProfileFile.h"
#include "platform/ProfileStore.h"

namespace pivlon {

// One list of the catalog, its texts in Shift-JIS, as an import proposes it.
struct CatalogEntry {
    std::string listName;
    int serverType = 0;
    std::string commandAddress;
    std::string digestList;                // empty: no `dijest` key
    std::vector<std::string> description;  // Info1, Info2, ...; none empty
};

// The entry's section appended to the image through the profile writer: `Type`,
// `To`, `dijest`, `Info1`... in that order.
void WriteEntry(ProfileFile& file, const CatalogEntry& entry);

// The section as WriteEntry appends it to an empty file: what an import shows.
std::string EntryText(const CatalogEntry& entry);

enum class AppendOutcome {
    Appended,
    CatalogUnreadable,  // the file exists but cannot be read
    ListExists,         // a section of that name, as the reader compares names
    NotReadBack,        // the written section would not read back as the entry
    ReplaceFailed,      // the platform refused to replace the file
};

// Appends the entry at the end of the catalog in one replacement of the whole file,
// every other byte kept; changes nothing unless the result is Appended. A missing
// catalog is made.
AppendOutcome AppendCatalogEntry(ProfileStore& store, const std::string& path,
                                 const CatalogEntry& entry);

}  // namespace pivlon
