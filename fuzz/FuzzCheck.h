#pragma once

#include <cstdio>
#include <cstdlib>

namespace pivlon::fuzz {

// A broken property is a finding like a crash: aborting makes libFuzzer keep the input.
inline void Check(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken property: %s\n", property);
    std::abort();
}

}  // namespace pivlon::fuzz
