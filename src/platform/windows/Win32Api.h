#pragma once

#include "platform/windows/Win32Types.h"

namespace win32 {

// Every Win32 function the back-ends call, reached through this table so that tests can
// put fakes in its place.
struct Win32Api
{
    // power requests
    HANDLE(WINAPI *GetCurrentProcess)();
    BOOL(WINAPI *OpenProcessToken)(HANDLE process, DWORD access, PHANDLE token);
    BOOL(WINAPI *LookupPrivilegeValueA)(LPCSTR systemName, LPCSTR name, PLUID luid);
    BOOL(WINAPI *AdjustTokenPrivileges)
    (HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES newState, DWORD bufferLength,
     PTOKEN_PRIVILEGES previousState, PDWORD returnLength);
    BOOL(WINAPI *ExitWindowsEx)(UINT flags, DWORD reason);
    DWORD(WINAPI *GetLastError)();

    // web pages
    HINSTANCE(WINAPI *ShellExecuteA)
    (HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
     INT showCommand);

    // the caption animation
    HWND(WINAPI *FindWindowA)(LPCSTR className, LPCSTR windowName);
    HWND(WINAPI *GetWindow)(HWND window, UINT relation);
    int(WINAPI *GetClassNameA)(HWND window, LPSTR className, int length);
    BOOL(WINAPI *GetWindowRect)(HWND window, LPRECT rect);
    BOOL(WINAPI *DrawAnimatedRects)(HWND window, int animation, const RECT *from, const RECT *to);

    // the notification-area icon
    BOOL(WINAPI *Shell_NotifyIconA)(DWORD message, PNOTIFYICONDATAA data);
    BOOL(WINAPI *SetForegroundWindow)(HWND window);
    int(WINAPI *GetSystemMetrics)(int index);
    BOOL(WINAPI *DestroyIcon)(HICON icon);
};

#if defined(_WIN32) && !defined(ORVANTA_WIN32_NO_REAL_API)
// The table of the real functions. Test programs define ORVANTA_WIN32_NO_REAL_API so that
// the real functions are not even linked in.
const Win32Api &realWin32Api();
#endif

} // namespace win32
