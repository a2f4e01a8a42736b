#pragma once

#include "cli/CliPlatform.h"

namespace pivlon::cli {

// `lists`: one line per catalog list, in catalog order, tab-separated: name,
// family, command address, first description line. With `json` a JSON array of
// every field. A list with a faulty entry is listed all the same, its family
// as "-" (null in JSON), and one warning line names the key.
void RunLists(const CliPlatform& platform, bool json);

}  // namespace pivlon::cli
