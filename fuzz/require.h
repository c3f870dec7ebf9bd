// SPDX-License-Identifier: MIT
// A property a fuzzer checks: when it is broken, the input is a finding.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace tenvo {

inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace tenvo
