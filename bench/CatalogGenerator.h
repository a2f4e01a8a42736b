#pragma once

#include <string>

namespace pivlon::bench {

// Catalogs and settings as a user's files could hold them: Shift-JIS list names and
// descriptions (some trail bytes look like '\\'), all three server types in turn,
// three description lines per list and member data for every list.
std::string ListName(int index);
std::string CatalogBytes(int lists);
std::string SettingsBytes(int lists);

}  // namespace pivlon::bench
