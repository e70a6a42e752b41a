#pragma once

#include <QCoreApplication>
#include <QString>

#include "platform/windows/WinHeaders.h"

namespace win32 {

// The calls that tell whose program serves a pipe, through a table so that tests/windows can
// play another user (wine has only one). Written out here so that the test needs no other file.
struct PipeOwnerApi
{
    BOOL(WINAPI *GetNamedPipeServerProcessId)(HANDLE pipe, PULONG processId);
    HANDLE(WINAPI *OpenProcess)(DWORD access, BOOL inherit, DWORD processId);
    HANDLE(WINAPI *GetCurrentProcess)();
    BOOL(WINAPI *OpenProcessToken)(HANDLE process, DWORD access, PHANDLE token);
    BOOL(WINAPI *GetTokenInformation)
    (HANDLE token, TOKEN_INFORMATION_CLASS kind, LPVOID record, DWORD length, PDWORD needed);
    BOOL(WINAPI *EqualSid)(PSID a, PSID b);
    BOOL(WINAPI *CloseHandle)(HANDLE handle);
    DWORD(WINAPI *GetLastError)();
};

// The calls of the system itself.
const PipeOwnerApi &systemPipeOwnerApi();

// A token's user: the record, and the SID it points to after it. Not copied: the copy's SID
// would still point into the original.
struct ProcessUser
{
    ProcessUser() = default;
    ProcessUser(const ProcessUser &) = delete;
    ProcessUser &operator=(const ProcessUser &) = delete;
    alignas(TOKEN_USER) BYTE record[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    PSID sid() { return reinterpret_cast<TOKEN_USER *>(record)->User.Sid; }
};

// The user `process` runs as, from its token; *error says why not.
inline bool userOf(const PipeOwnerApi &api, HANDLE process, ProcessUser *user, DWORD *error)
{
    HANDLE token = nullptr;
    if (!api.OpenProcessToken(process, TOKEN_QUERY, &token)) {
        *error = api.GetLastError();
        return false;
    }
    DWORD needed = 0;
    const bool read =
        api.GetTokenInformation(token, TokenUser, user->record, sizeof user->record, &needed) != 0;
    if (!read)
        *error = api.GetLastError();
    api.CloseHandle(token);
    return read;
}

// Whether the process serving the client end `pipe` runs as this process's user; *known
// whether both users could be read at all, else *error says why not.
inline bool sameUserServes(const PipeOwnerApi &api, HANDLE pipe, bool *known, DWORD *error)
{
    *known = false;
    ULONG serverId = 0;
    if (!api.GetNamedPipeServerProcessId(pipe, &serverId)) {
        *error = api.GetLastError();
        return false;
    }
    // The least right that reads a token; the same user's processes, elevated or not, grant it.
    const HANDLE server = api.OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, serverId);
    if (!server) {
        *error = api.GetLastError();
        return false;
    }
    ProcessUser theirs, ours;
    *known =
        userOf(api, server, &theirs, error) && userOf(api, api.GetCurrentProcess(), &ours, error);
    api.CloseHandle(server);
    return *known && api.EqualSid(theirs.sid(), ours.sid());
}

// As sameUserServes(), with *why in the user's words. Another user can create a pipe of any
// name first: one whose user cannot be read is not trusted either.
inline bool pipeServedByThisUser(const PipeOwnerApi &api, HANDLE pipe, QString *why)
{
    bool known = false;
    DWORD error = 0;
    if (sameUserServes(api, pipe, &known, &error))
        return true;
    *why = known ? QCoreApplication::translate("SingleInstance", "the running program is not yours")
                 : QCoreApplication::translate("SingleInstance",
                                               "cannot tell whose program answers: %1")
                       .arg(qt_error_string(static_cast<int>(error)));
    return false;
}

} // namespace win32
