#pragma once

#include "platform/windows/Win32Api.h"

namespace win32 {

inline constexpr UINT EwxLogoff = 0;
inline constexpr UINT EwxReboot = 2;
inline constexpr UINT EwxForce = 4;
inline constexpr UINT EwxPoweroff = 8;
inline constexpr DWORD TokenAdjustPrivileges = 0x20;
// SE_PRIVILEGE_USED_FOR_ACCESS | SE_PRIVILEGE_ENABLED | SE_PRIVILEGE_ENABLED_BY_DEFAULT
inline constexpr DWORD ShutdownPrivilegeAttributes = 0x80000003;
inline constexpr DWORD AllReasonBits = 0xFFFFFFFF;

// TOKEN_PRIVILEGES with room for two entries; only the first is used.
struct ShutdownPrivilegeRecord
{
    DWORD PrivilegeCount;
    LUID_AND_ATTRIBUTES Privileges[2];
};
static_assert(sizeof(ShutdownPrivilegeRecord) == 28);

// Enables the shutdown privilege in the process token, then asks for the end of the session
// or a power-down with these ExitWindowsEx flags. Only ExitWindowsEx's answer counts: a
// token that cannot be opened or a privilege that is not granted makes that call fail on
// its own.
bool exitWindowsWithShutdownPrivilege(const Win32Api &api, UINT flags);

// The flags for the three actions; only a ticked box (1) forces, a grey one (2) does not.
enum class ExitAction
{
    LogOff = 0,
    PowerOff = 1,
    Restart = 2
};
UINT exitFlags(ExitAction action, int check1Value);

bool LogOffUser(const Win32Api &api, int check1Value);
bool TurnOffComputer(const Win32Api &api, int check1Value);
bool RestartComputer(const Win32Api &api, int check1Value);

} // namespace win32
