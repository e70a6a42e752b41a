#include "platform/windows/Win32Power.h"

#include <cstring>

namespace win32 {

namespace {

// TOKEN_PRIVILEGES with room for two entries; only the first is used.
struct ShutdownPrivilegeRecord
{
    DWORD PrivilegeCount;
    LUID_AND_ATTRIBUTES Privileges[2];
};

UINT exitFlags(Action action, bool force)
{
    UINT flags = EWX_LOGOFF;
    switch (action) {
    case Action::LogOff:
        flags = EWX_LOGOFF;
        break;
    case Action::PowerOff:
        flags = EWX_POWEROFF;
        break;
    case Action::Restart:
        flags = EWX_REBOOT;
        break;
    case Action::Sleep:
    case Action::Hibernate:
    case Action::Lock:
    case Action::DisplayOff:
        break; // never asked of ExitWindowsEx
    }
    return force ? flags | EWX_FORCE : flags;
}

} // namespace

ExitWindowsResult exitWindows(const PowerApi &api, Action action, bool force)
{
    HANDLE token = nullptr;
    const bool tokenOpened =
        api.OpenProcessToken(api.GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token) != 0;

    LUID luid{};
    api.LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &luid);

    ShutdownPrivilegeRecord record;
    std::memset(&record, 0, sizeof record);
    record.PrivilegeCount = 1;
    record.Privileges[0].Luid = luid;
    record.Privileges[0].Attributes =
        SE_PRIVILEGE_USED_FOR_ACCESS | SE_PRIVILEGE_ENABLED | SE_PRIVILEGE_ENABLED_BY_DEFAULT;
    DWORD returnLength = 0;
    api.AdjustTokenPrivileges(token, FALSE, reinterpret_cast<PTOKEN_PRIVILEGES>(&record), 0,
                              nullptr, &returnLength);
    // The privilege stays enabled in the process token; only this handle to it goes.
    if (tokenOpened)
        api.CloseHandle(token);

    ExitWindowsResult result;
    result.flags = exitFlags(action, force);
    // Every reason bit set, as the program always asked.
    result.accepted = api.ExitWindowsEx(result.flags, 0xFFFFFFFF) != 0;
    // Read at once: nothing may run between the refused call and this.
    if (!result.accepted)
        result.error = api.GetLastError();
    return result;
}

} // namespace win32
