#pragma once

#include "core/Power.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace win32 {

// The calls of the power sequence, through a table so that tests/windows can put fakes in
// their place. Nothing else of Win32 goes through it.
struct PowerApi
{
    HANDLE(WINAPI *GetCurrentProcess)();
    BOOL(WINAPI *OpenProcessToken)(HANDLE process, DWORD access, PHANDLE token);
    BOOL(WINAPI *LookupPrivilegeValueA)(LPCSTR systemName, LPCSTR name, PLUID luid);
    BOOL(WINAPI *AdjustTokenPrivileges)
    (HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES newState, DWORD bufferLength,
     PTOKEN_PRIVILEGES previousState, PDWORD returnLength);
    BOOL(WINAPI *CloseHandle)(HANDLE handle);
    BOOL(WINAPI *ExitWindowsEx)(UINT flags, DWORD reason);
    DWORD(WINAPI *GetLastError)();
};

// The operating system's functions; in a file of its own so that a program linked with
// fakes imports none of them.
const PowerApi &realPowerApi();

struct ExitWindowsResult
{
    bool accepted = false;
    UINT flags = 0;  // as handed to ExitWindowsEx
    DWORD error = 0; // GetLastError() right after a refusal
};

// Enables the shutdown privilege in the process token, then asks ExitWindowsEx to end the
// session or power down. Only that call's answer counts: log off needs no privilege, and
// for the others a privilege that was not granted makes it fail on its own.
ExitWindowsResult exitWindows(const PowerApi &api, Action action, bool force);

} // namespace win32
