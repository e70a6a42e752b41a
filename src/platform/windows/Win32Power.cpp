#include "platform/windows/Win32Power.h"

#include <cstring>

namespace win32 {

bool exitWindowsWithShutdownPrivilege(const Win32Api &api, UINT flags)
{
    const HANDLE process = api.GetCurrentProcess();
    HANDLE token = nullptr;
    api.OpenProcessToken(process, TokenAdjustPrivileges, &token);

    LUID luid{};
    api.LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &luid);

    ShutdownPrivilegeRecord record;
    std::memset(&record, 0, sizeof record);
    record.PrivilegeCount = 1;
    std::memcpy(&record.Privileges[0].Luid, &luid, sizeof luid);
    record.Privileges[0].Attributes = ShutdownPrivilegeAttributes;
    DWORD returnLength = 0;
    api.AdjustTokenPrivileges(token, 0, reinterpret_cast<PTOKEN_PRIVILEGES>(&record), 0, nullptr,
                              &returnLength);

    return api.ExitWindowsEx(flags, AllReasonBits) != 0;
}

UINT exitFlags(ExitAction action, int check1Value)
{
    UINT flags = EwxLogoff;
    switch (action) {
    case ExitAction::LogOff:
        flags = EwxLogoff;
        break;
    case ExitAction::PowerOff:
        flags = EwxPoweroff;
        break;
    case ExitAction::Restart:
        flags = EwxReboot;
        break;
    }
    return check1Value == 1 ? flags | EwxForce : flags;
}

bool LogOffUser(const Win32Api &api, int check1Value)
{
    return exitWindowsWithShutdownPrivilege(api, exitFlags(ExitAction::LogOff, check1Value));
}

bool TurnOffComputer(const Win32Api &api, int check1Value)
{
    return exitWindowsWithShutdownPrivilege(api, exitFlags(ExitAction::PowerOff, check1Value));
}

bool RestartComputer(const Win32Api &api, int check1Value)
{
    return exitWindowsWithShutdownPrivilege(api, exitFlags(ExitAction::Restart, check1Value));
}

} // namespace win32
