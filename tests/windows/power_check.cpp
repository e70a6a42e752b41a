// The Windows power actions and the pipe owner's check against fake Win32 functions; it
// links none of the real ones (Win32PowerApi.cpp and SingleInstance.cpp stay out).
#include "platform/windows/PipeOwner.h"
#include "platform/windows/Win32Power.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace {

const HANDLE Process = reinterpret_cast<HANDLE>(0x51);
const HANDLE Token = reinterpret_cast<HANDLE>(0x7e);
const HWND Window = reinterpret_cast<HWND>(0x3c);
std::string g_calls; // the calls in order; a "?" marks an unexpected argument
BOOL g_tokenAnswer, g_exitAnswer, g_capsAnswer, g_suspendAnswer, g_registerAnswer, g_lockAnswer;
SYSTEM_POWER_CAPABILITIES g_caps;
unsigned char g_record[28];
int g_failures = 0;

void check(bool ok, const std::string &what)
{
    g_failures += !ok;
    if (!ok)
        std::printf("FAIL: %s\n", what.c_str());
}

const win32::PowerApi fakes{
    .GetCurrentProcess = []() WINAPI { return Process; },
    .OpenProcessToken = [](HANDLE process, DWORD access, PHANDLE token) WINAPI -> BOOL {
        g_calls += process == Process && access == 0x20 ? "token " : "token? ";
        return *token = g_tokenAnswer ? Token : nullptr, g_tokenAnswer;
    },
    .LookupPrivilegeValueA = [](LPCSTR system, LPCSTR name, PLUID luid) WINAPI -> BOOL {
        g_calls +=
            !system && std::strcmp(name, "SeShutdownPrivilege") == 0 ? "lookup " : "lookup? ";
        return *luid = LUID{0x89abcdef, 0x01234567}, TRUE;
    },
    .AdjustTokenPrivileges = [](HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state,
                                DWORD length, PTOKEN_PRIVILEGES previous, PDWORD returned)
                                 WINAPI -> BOOL {
        const bool ok = token == (g_tokenAnswer ? Token : nullptr) && !disableAll && !length &&
                        !previous && returned && *returned == 0;
        g_calls += ok ? "adjust " : "adjust? ";
        std::memcpy(g_record, state, sizeof g_record);
        return TRUE;
    },
    .CloseHandle = [](HANDLE handle) WINAPI -> BOOL {
        return g_calls += handle == Token ? "close " : "close? ", TRUE;
    },
    .ExitWindowsEx = [](UINT flags, DWORD reason) WINAPI -> BOOL {
        g_calls += "exit(" + std::to_string(flags) + (reason == 0xFFFFFFFF ? ") " : "?) ");
        return g_exitAnswer;
    },
    .GetLastError = []() WINAPI -> DWORD { return g_calls += "error ", ERROR_PRIVILEGE_NOT_HELD; },
    .GetPwrCapabilities = [](PSYSTEM_POWER_CAPABILITIES caps) WINAPI -> BOOLEAN {
        return g_calls += "caps ", *caps = g_caps, g_capsAnswer;
    },
    .SetSuspendState = [](BOOLEAN hibernate, BOOLEAN force, BOOLEAN noWake) WINAPI -> BOOLEAN {
        g_calls += "suspend(" + std::to_string(hibernate) + std::to_string(force) +
                   std::to_string(noWake) + ") ";
        return g_suspendAnswer;
    },
    .LockWorkStation = []() WINAPI -> BOOL { return g_calls += "lock ", g_lockAnswer; },
    .WTSRegisterSessionNotification = [](HWND window, DWORD flags) WINAPI -> BOOL {
        g_calls +=
            window == Window && flags == NOTIFY_FOR_THIS_SESSION ? "register " : "register? ";
        return g_registerAnswer;
    },
    .WTSUnRegisterSessionNotification = [](HWND window) WINAPI -> BOOL {
        return g_calls += window == Window ? "unregister " : "unregister? ", TRUE;
    },
    .PostMessageW = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) WINAPI -> BOOL {
        const bool ok = window == Window && message == WM_SYSCOMMAND && wParam == SC_MONITORPOWER &&
                        lParam == 2;
        return g_calls += ok ? "post " : "post? ", g_exitAnswer;
    },
};

// A record of one privilege: its identifier low part first, enabled and used for access;
// the second entry stays empty.
const unsigned char Record[28] = {1,    0,    0,    0,    0xef, 0xcd, 0xab, 0x89,
                                  0x67, 0x45, 0x23, 0x01, 3,    0,    0,    0x80};

// Another user's program, which wine cannot run: the server's token holds g_serverSid.
const HANDLE Server = reinterpret_cast<HANDLE>(0x5e);
SID g_ours{1, 1, {{0, 0, 0, 0, 0, 5}}, {1001}}, g_theirs{1, 1, {{0, 0, 0, 0, 0, 5}}, {1002}};
PSID g_serverSid;
int g_failing, g_open; // the call that fails (1 to 3), the handles left open
const win32::PipeOwnerApi ownerFakes{
    .GetNamedPipeServerProcessId = [](HANDLE, PULONG id)
                                       WINAPI -> BOOL { return *id = 4321, g_failing != 1; },
    .OpenProcess = [](DWORD access, BOOL, DWORD id) WINAPI -> HANDLE {
        const bool ok = access == PROCESS_QUERY_LIMITED_INFORMATION && id == 4321 && g_failing != 2;
        return g_open += ok, ok ? Server : nullptr;
    },
    .GetCurrentProcess = []() WINAPI { return Process; },
    .OpenProcessToken = [](HANDLE process, DWORD access, PHANDLE token) WINAPI -> BOOL {
        const bool ok = access == TOKEN_QUERY && !(g_failing == 3 && process == Server);
        return *token = process, g_open += ok, ok;
    },
    .GetTokenInformation = [](HANDLE token, TOKEN_INFORMATION_CLASS kind, LPVOID record, DWORD,
                              PDWORD) WINAPI -> BOOL {
        static_cast<TOKEN_USER *>(record)->User.Sid = token == Server ? g_serverSid : &g_ours;
        return kind == TokenUser;
    },
    .EqualSid = [](PSID a, PSID b) WINAPI -> BOOL { return std::memcmp(a, b, sizeof(SID)) == 0; },
    .CloseHandle = [](HANDLE) WINAPI -> BOOL { return g_open--, TRUE; },
    .GetLastError = []() WINAPI -> DWORD { return 100 + g_failing; },
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const struct
    {
        Action action;
        bool force;
        UINT flags;
        BOOL tokenOpened = TRUE, accepted = TRUE;
    } rows[] = {{Action::LogOff, true, 4},
                {Action::PowerOff, false, 8},
                {Action::Restart, false, 2},
                {Action::Restart, true, 6},
                // Log off needs no privilege: a token that cannot be opened must not stop it.
                {Action::LogOff, false, 0, FALSE},
                {Action::PowerOff, true, 12, TRUE, FALSE}};
    for (const auto &row : rows) {
        g_calls.clear();
        g_tokenAnswer = row.tokenOpened;
        g_exitAnswer = row.accepted;
        const win32::ExitWindowsResult result = win32::exitWindows(fakes, row.action, row.force);
        const std::string exit = "exit(" + std::to_string(row.flags) + ") ";
        // The token handle is closed, and only when one was opened.
        const std::string close = row.tokenOpened ? "close " : "";
        check(g_calls == "token lookup adjust " + close + exit + (row.accepted ? "" : "error "),
              g_calls);
        check(std::memcmp(g_record, Record, sizeof Record) == 0, exit + "privilege record");
        check(result.accepted == bool(row.accepted) && result.flags == row.flags &&
                  result.error == (row.accepted ? 0 : ERROR_PRIVILEGE_NOT_HELD),
              exit + "result");
    }

    // What the computer offers (S3, S4, a hibernation file, Modern Standby) decides what the
    // probe says; a sleep it cannot do is never asked for, nor turned into a hibernation.
    const QString noSleep = "This computer cannot sleep.";
    const QString noHibernate = "This computer cannot hibernate.";
    const QString standby =
        "This computer sleeps only by turning off its display (Modern Standby).";
    const QString noFile = "Hibernation is turned off on this computer.";
    const QString unknown = "Windows does not tell which power states this computer has: " +
                            qt_error_string(ERROR_PRIVILEGE_NOT_HELD);
    const struct
    {
        BOOLEAN s3, s4, file, aoac;
        bool hibernate, force;
        QString sleepReason, hibernateReason;
        std::string calls;
        BOOL capsAnswer = TRUE, suspendAnswer = TRUE;
    } suspends[] = {
        {1, 1, 1, 0, false, true, "", "", "caps token lookup adjust close suspend(010) "},
        {1, 1, 1, 0, true, false, "", "", "caps token lookup adjust close suspend(100) error ",
         TRUE, FALSE},
        {1, 1, 0, 0, true, true, "", noFile, "caps "},
        {0, 1, 1, 1, false, false, standby, "", "caps "},
        {0, 0, 1, 0, true, false, noSleep, noHibernate, "caps "},
        {1, 1, 1, 0, false, false, unknown, unknown, "caps error ", FALSE},
    };
    for (const auto &row : suspends) {
        std::memset(&g_caps, 0, sizeof g_caps);
        g_caps.SystemS3 = row.s3, g_caps.SystemS4 = row.s4, g_caps.HiberFilePresent = row.file;
        g_caps.spare2[2] = row.aoac; // AoAc in newer headers
        g_capsAnswer = row.capsAnswer, g_suspendAnswer = row.suspendAnswer;
        Capabilities probed = win32::probe(fakes), expected;
        expected[std::size_t(Action::Sleep)] = {row.sleepReason.isEmpty(), row.sleepReason};
        expected[std::size_t(Action::Hibernate)] = {row.hibernateReason.isEmpty(),
                                                    row.hibernateReason};
        const QString wanted = row.hibernate ? row.hibernateReason : row.sleepReason;
        g_calls.clear();
        const win32::SuspendResult result = win32::suspend(fakes, row.hibernate, row.force);
        const std::string name = row.calls + (row.hibernate ? "hibernate" : "sleep");
        check(g_calls == row.calls && probed == expected, name + ": " + g_calls);
        check(result.accepted == (wanted.isEmpty() && row.suspendAnswer) &&
                  result.notPossible == wanted &&
                  result.error == (row.suspendAnswer ? 0 : ERROR_PRIVILEGE_NOT_HELD),
              name + " result");
    }

    // The lock counts once the session says so, within its patience; the answer always comes
    // later, from the event loop, once.
    const struct
    {
        BOOL registered, locked;
        WPARAM event;
        std::string calls;
        bool accepted;
        Refusal refusal;
        bool waits; // for the whole patience
    } locks[] = {
        {TRUE, TRUE, WTS_SESSION_LOCK, "register lock unregister ", true, Refusal::Other, false},
        {TRUE, TRUE, WTS_SESSION_UNLOCK, "register lock unregister ", false, Refusal::NotConfirmed,
         true},
        {FALSE, TRUE, WTS_SESSION_LOCK, "register error lock ", false, Refusal::NotConfirmed,
         false},
        {TRUE, FALSE, 0, "register lock error unregister ", false, Refusal::AccessDenied, false},
    };
    for (const auto &row : locks) {
        g_calls.clear();
        g_registerAnswer = row.registered, g_lockAnswer = row.locked;
        win32::SessionLocker locker(fakes, Window, std::chrono::milliseconds(300));
        int answers = 0;
        qint64 after = 0;
        PowerResult got;
        QElapsedTimer clock;
        clock.start();
        locker.lock(
            [&](const PowerResult &result) { ++answers, after = clock.elapsed(), got = result; });
        const bool later = answers == 0;
        QTimer::singleShot(50, &locker, [&] { locker.sessionChanged(row.event); });
        QEventLoop loop;
        QTimer::singleShot(500, &loop, &QEventLoop::quit);
        loop.exec();
        check(later && answers == 1 && g_calls == row.calls && got.accepted == row.accepted &&
                  got.refusal == row.refusal && (after >= 300) == row.waits,
              row.calls + std::to_string(row.event) + ": " + got.error.toStdString() + " after " +
                  std::to_string(after) + " ms");
    }
    // Posted to our own window, never sent to every program's.
    g_calls.clear(), g_exitAnswer = TRUE;
    check(win32::postDisplayOff(fakes, Window) == 0 && g_calls == "post ",
          "display off: " + g_calls);

    // The same user, another, and each call that can fail failing.
    const std::pair<PSID, int> owners[] = {
        {&g_ours, 0}, {&g_theirs, 0}, {&g_ours, 1}, {&g_ours, 2}, {&g_theirs, 3}};
    for (const auto &[sid, failing] : owners) {
        g_serverSid = sid;
        g_failing = failing;
        g_open = 0;
        QString why;
        const bool accepted = win32::pipeServedByThisUser(ownerFakes, Process, &why);
        const QString expected =
            failing ? "cannot tell whose program answers: " + qt_error_string(100 + failing)
                    : QString(sid == &g_ours ? "" : "the running program is not yours");
        check(accepted == expected.isEmpty() && why == expected && g_open == 0,
              "owner " + std::to_string(failing) + (sid == &g_ours ? " ours: " : " theirs: ") +
                  why.toStdString());
    }
    std::printf("%s\n", g_failures ? "FAILED" : "all passed");
    return g_failures ? 1 : 0;
}
