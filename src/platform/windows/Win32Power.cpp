#include "platform/windows/Win32Power.h"

#include <QCoreApplication>

#include <cstring>
#include <utility>

namespace win32 {

namespace {

// A class, so that lupdate files the texts under its name.
struct Win32Power
{
    Q_DECLARE_TR_FUNCTIONS(Win32Power)
};

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
    case Action::RunCommand:
        break; // never asked of ExitWindowsEx
    }
    return force ? flags | EWX_FORCE : flags;
}

// Enables the shutdown privilege in the process token. Its answers are not read: the call
// that needs the privilege fails on its own without it.
void enableShutdownPrivilege(const PowerApi &api)
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
}

// AoAc (Modern Standby) is the byte at 0x14 of the kernel's structure; MinGW's header still
// calls it spare2[2].
constexpr std::size_t AoAcOffset = 0x14;
static_assert(sizeof(SYSTEM_POWER_CAPABILITIES) == 0x4c);

} // namespace

Refusal refusalFor(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return Refusal::AccessDenied;
    case ERROR_SHUTDOWN_IN_PROGRESS:
        return Refusal::NotPossible;
    default:
        return Refusal::Other;
    }
}

ExitWindowsResult exitWindows(const PowerApi &api, Action action, bool force)
{
    enableShutdownPrivilege(api);
    ExitWindowsResult result;
    result.flags = exitFlags(action, force);
    // Every reason bit set, as the program always asked.
    result.accepted = api.ExitWindowsEx(result.flags, 0xFFFFFFFF) != 0;
    // Read at once: nothing may run between the refused call and this.
    if (!result.accepted)
        result.error = api.GetLastError();
    return result;
}

Capabilities probe(const PowerApi &api)
{
    Capabilities capabilities;
    Capability &sleep = capabilities[std::size_t(Action::Sleep)];
    Capability &hibernate = capabilities[std::size_t(Action::Hibernate)];
    SYSTEM_POWER_CAPABILITIES system;
    std::memset(&system, 0, sizeof system);
    if (!api.GetPwrCapabilities(&system)) {
        const QString why = Win32Power::tr("Windows does not tell which power states this "
                                           "computer has: %1")
                                .arg(qt_error_string(int(api.GetLastError())));
        sleep = hibernate = {false, why};
        return capabilities;
    }
    const bool modernStandby = reinterpret_cast<const unsigned char *>(&system)[AoAcOffset];
    if (!system.SystemS3)
        sleep = {false, modernStandby ? Win32Power::tr("This computer sleeps only by turning "
                                                       "off its display (Modern Standby).")
                                      : Win32Power::tr("This computer cannot sleep.")};
    if (!system.SystemS4)
        hibernate = {false, Win32Power::tr("This computer cannot hibernate.")};
    else if (!system.HiberFilePresent)
        hibernate = {false, Win32Power::tr("Hibernation is turned off on this computer.")};
    return capabilities;
}

SuspendResult suspend(const PowerApi &api, bool hibernate, bool force)
{
    // Asked again: the computer may have changed since the schedule was armed, and a sleep
    // it cannot do must not turn into something else.
    const Capability can = probe(api)[std::size_t(hibernate ? Action::Hibernate : Action::Sleep)];
    SuspendResult result;
    if (!can.possible) {
        result.notPossible = can.reason;
        return result;
    }
    enableShutdownPrivilege(api);
    result.accepted = api.SetSuspendState(hibernate, force, FALSE) != 0;
    if (!result.accepted)
        result.error = api.GetLastError();
    return result;
}

DWORD postDisplayOff(const PowerApi &api, HWND window)
{
    return api.PostMessageW(window, WM_SYSCOMMAND, SC_MONITORPOWER, 2) ? 0 : api.GetLastError();
}

SessionLocker::SessionLocker(const PowerApi &api, HWND window, std::chrono::milliseconds patience,
                             QObject *parent)
    : QObject(parent), m_api(api), m_window(window)
{
    m_patience.setSingleShot(true);
    m_patience.setInterval(patience);
    connect(&m_patience, &QTimer::timeout, this, [this] {
        finish({false,
                QStringLiteral("LockWorkStation was called, but the session did not say it "
                               "was locked within %1 ms")
                    .arg(m_patience.interval()),
                Refusal::NotConfirmed, QString()});
    });
}

SessionLocker::~SessionLocker()
{
    if (m_registered)
        m_api.WTSUnRegisterSessionNotification(m_window);
}

void SessionLocker::lock(PowerRequester::Done done)
{
    m_waiting.push_back(std::move(done));
    if (m_waiting.size() > 1)
        return;
    // Before the lock, so that its notification cannot come first.
    m_registered = m_api.WTSRegisterSessionNotification(m_window, NOTIFY_FOR_THIS_SESSION);
    const DWORD unregistered = m_registered ? 0 : m_api.GetLastError();
    if (!m_api.LockWorkStation()) {
        const DWORD error = m_api.GetLastError();
        const QString why = qt_error_string(int(error));
        finish({false, QStringLiteral("LockWorkStation refused: %1").arg(why), refusalFor(error),
                why});
        return;
    }
    if (!m_registered) {
        // Locked or not, nothing will tell.
        const QString why = qt_error_string(int(unregistered));
        finish({false,
                QStringLiteral("LockWorkStation was called, but the session's notifications "
                               "cannot be had: %1")
                    .arg(why),
                Refusal::NotConfirmed, why});
        return;
    }
    m_patience.start();
}

void SessionLocker::sessionChanged(WPARAM event)
{
    if (event == WTS_SESSION_LOCK && !m_waiting.empty() && m_patience.isActive())
        finish({true, QString(), Refusal::Other, QString()});
}

void SessionLocker::finish(const PowerResult &result)
{
    m_patience.stop();
    if (m_registered)
        m_api.WTSUnRegisterSessionNotification(m_window);
    m_registered = false;
    // From the event loop, never from inside lock() or the window's procedure.
    QMetaObject::invokeMethod(
        this,
        [waiting = std::exchange(m_waiting, {}), result] {
            for (const PowerRequester::Done &done : waiting)
                done(result);
        },
        Qt::QueuedConnection);
}

} // namespace win32
