#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace pivlon::testing {

// The names of the temporary mail files ("txt*.tmp") that `folder` holds now:
// tests compare them before and after a send to see that none is left behind.
std::set<std::wstring> MailFilesIn(const std::filesystem::path& folder);

}  // namespace pivlon::testing
