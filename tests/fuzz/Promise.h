#pragma once

#include "core/Log.h"

#include <cstdlib>

// A broken promise aborts, which libFuzzer reports as a crash with the input that did it.
inline void require(bool promise, const char *what)
{
    if (!promise) {
        qCWarning(lcOrvanta, "broken promise: %s", what);
        std::abort();
    }
}
