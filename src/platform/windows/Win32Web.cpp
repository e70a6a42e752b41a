#include "platform/windows/Win32Web.h"

namespace win32 {

int shellOpenAddress(const Win32Api &api, HWND owner, const char *address)
{
    const HINSTANCE result = api.ShellExecuteA(owner, "open", address, nullptr, nullptr, 0);
    // Not a real instance handle: the shell packs its status code into it.
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

} // namespace win32
