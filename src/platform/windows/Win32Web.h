#pragma once

#include "platform/windows/Win32Api.h"

namespace win32 {

// Hands the address (in the system code page) to the shell's handler of web addresses,
// without showing a window of its own. The shell's result as a number: above 32 the request
// was handed over, 32 or less it was not.
int shellOpenAddress(const Win32Api &api, HWND owner, const char *address);

inline bool shellOpenSucceeded(int result)
{
    return result > 32;
}

} // namespace win32
