#include "platform/windows/Win32Api.h"

#if defined(_WIN32) && !defined(ORVANTA_WIN32_NO_REAL_API)

namespace win32 {

const Win32Api &realWin32Api()
{
    static const Win32Api api{
        .GetCurrentProcess = &::GetCurrentProcess,
        .OpenProcessToken = &::OpenProcessToken,
        .LookupPrivilegeValueA = &::LookupPrivilegeValueA,
        .AdjustTokenPrivileges = &::AdjustTokenPrivileges,
        .ExitWindowsEx = &::ExitWindowsEx,
        .GetLastError = &::GetLastError,
        .ShellExecuteA = &::ShellExecuteA,
        .FindWindowA = &::FindWindowA,
        .GetWindow = &::GetWindow,
        .GetClassNameA = &::GetClassNameA,
        .GetWindowRect = &::GetWindowRect,
        .DrawAnimatedRects = &::DrawAnimatedRects,
        .Shell_NotifyIconA = &::Shell_NotifyIconA,
        .SetForegroundWindow = &::SetForegroundWindow,
        .GetSystemMetrics = &::GetSystemMetrics,
        .DestroyIcon = &::DestroyIcon,
    };
    return api;
}

} // namespace win32

#endif
