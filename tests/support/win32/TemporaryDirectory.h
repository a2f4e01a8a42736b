#pragma once

#include <string>

namespace pivlon::testing {

// The temporary directory as Windows names it to every program, ending in a separator.
std::wstring TemporaryDirectory();

}  // namespace pivlon::testing
