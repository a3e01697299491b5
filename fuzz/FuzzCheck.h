#pragma once

#include <cstdio>
#include <cstdlib>

namespace norvik {

// Stops the fuzzer with the property that failed, so that libFuzzer keeps the input as a crash.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

} // namespace norvik
