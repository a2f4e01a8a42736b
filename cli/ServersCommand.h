#pragma once

#include <string>

namespace pivlon::cli {

// `servers`: what the real list servers do where a mail does not do what its
// operation intends, and what to do instead; compose and open warn of each.
std::string ServersTable();

}  // namespace pivlon::cli
