#pragma once

#include "core/Power.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <vector>

#include "platform/windows/WinHeaders.h"
#include <wtsapi32.h>

namespace win32 {

// The calls of the power actions, through a table so that tests/windows can put fakes in
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
    BOOLEAN(WINAPI *GetPwrCapabilities)(PSYSTEM_POWER_CAPABILITIES capabilities);
    BOOLEAN(WINAPI *SetSuspendState)(BOOLEAN hibernate, BOOLEAN force, BOOLEAN noWakeEvents);
    BOOL(WINAPI *LockWorkStation)();
    BOOL(WINAPI *WTSRegisterSessionNotification)(HWND window, DWORD flags);
    BOOL(WINAPI *WTSUnRegisterSessionNotification)(HWND window);
    BOOL(WINAPI *PostMessageW)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
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

// The answers a user can act on: a standard account may lack the shutdown privilege, and
// one request at a time is carried out.
Refusal refusalFor(DWORD error);

// What the computer can do now, each action that cannot with the reason in the user's words:
// sleep needs S3 (a Modern Standby computer has none, and asking it to sleep would hibernate
// it or do nothing), hibernate needs S4 and a hibernation file.
Capabilities probe(const PowerApi &api);

struct SuspendResult
{
    bool accepted = false;
    QString notPossible; // the probe's reason, when nothing was asked of SetSuspendState
    DWORD error = 0;     // GetLastError() right after SetSuspendState refused
};

// Sleep or hibernate, if the computer can now: the shutdown privilege as for exitWindows,
// then SetSuspendState, which returns only after the computer woke up again, so it must run
// off the GUI thread. force is SetSuspendState's bForce: suspend at once instead of asking
// every program first, as older Windows did; newer Windows documents it as without effect.
SuspendResult suspend(const PowerApi &api, bool hibernate, bool force);

// Asks for WM_SYSCOMMAND SC_MONITORPOWER 2 on the window, whose default handling turns the
// displays off: posted to a window of our own rather than broadcast, which would wait on
// every program's windows. The answer is the posting's, with GetLastError() after a failure.
DWORD postDisplayOff(const PowerApi &api, HWND window);

// Locks this session, counted as done only once the session tells the window it is locked:
// LockWorkStation merely starts it, and may be turned down later without a word.
class SessionLocker final : public QObject
{
public:
    SessionLocker(const PowerApi &api, HWND window, std::chrono::milliseconds patience,
                  QObject *parent = nullptr);
    ~SessionLocker() override;

    // done is called once, later, from the event loop; a lock asked for while one is on its
    // way is answered with it.
    void lock(PowerRequester::Done done);
    // WM_WTSSESSION_CHANGE as the window got it.
    void sessionChanged(WPARAM event);

private:
    void finish(const PowerResult &result);

    const PowerApi &m_api;
    HWND m_window;
    QTimer m_patience;
    bool m_registered = false;
    std::vector<PowerRequester::Done> m_waiting;
};

} // namespace win32
