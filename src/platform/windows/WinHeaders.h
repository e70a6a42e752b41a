#pragma once

// <windows.h> the same way in every file: without the min and max macros, which break
// std::min/std::max and Qt, and without the rarely used parts.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
