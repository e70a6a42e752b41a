#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise aborts, which libFuzzer reports as a crash with the input that did it.
inline void require(bool promise, const char *what)
{
    if (!promise) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}
