#include "platform/windows/Win32Power.h"

#include <powrprof.h>

const win32::PowerApi &win32::realPowerApi()
{
    static const PowerApi api{
        .GetCurrentProcess = &::GetCurrentProcess,
        .OpenProcessToken = &::OpenProcessToken,
        .LookupPrivilegeValueA = &::LookupPrivilegeValueA,
        .AdjustTokenPrivileges = &::AdjustTokenPrivileges,
        .CloseHandle = &::CloseHandle,
        .ExitWindowsEx = &::ExitWindowsEx,
        .GetLastError = &::GetLastError,
        .GetPwrCapabilities = &::GetPwrCapabilities,
        .SetSuspendState = &::SetSuspendState,
        .LockWorkStation = &::LockWorkStation,
        .WTSRegisterSessionNotification = &::WTSRegisterSessionNotification,
        .WTSUnRegisterSessionNotification = &::WTSUnRegisterSessionNotification,
        .PostMessageW = &::PostMessageW,
    };
    return api;
}
