#include "platform/Platform.h"
#include "platform/windows/Win32Power.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

// How long the session may take to say that it is locked.
constexpr std::chrono::seconds LockPatience{5};

// Where a suspend's worker hands its answer to the GUI thread. The computer may sleep for
// days: by the time SetSuspendState returns, the requester and its receiver may be gone.
struct Courier
{
    std::mutex mutex;
    QObject *receiver = nullptr;
};

PowerResult refused(const QString &error, Refusal refusal, const QString &detail)
{
    return {false, error, refusal, detail};
}

PowerResult suspendAnswer(const win32::SuspendResult &result, bool hibernate, bool force)
{
    if (!result.notPossible.isEmpty())
        return refused(QStringLiteral("SetSuspendState not asked: %1").arg(result.notPossible),
                       Refusal::NotPossible, result.notPossible);
    if (result.accepted)
        return {true, QString(), Refusal::Other, QString()};
    const QString why = qt_error_string(int(result.error));
    return refused(
        QStringLiteral("SetSuspendState(%1, %2) refused: %3").arg(hibernate).arg(force).arg(why),
        win32::refusalFor(result.error), why);
}

class WinPowerRequester final : public PowerRequester
{
public:
    WinPowerRequester() : m_courier(std::make_shared<Courier>())
    {
        m_courier->receiver = &m_receiver;
    }

    ~WinPowerRequester() override
    {
        {
            const std::lock_guard lock(m_courier->mutex);
            m_courier->receiver = nullptr;
        }
        if (m_window)
            SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        m_locker.reset(); // its notifications end before the window does
        if (m_window)
            DestroyWindow(m_window);
    }

    void probe(Probed probed) override { probed(win32::probe(win32::realPowerApi())); }

    void request(Action action, bool force, Done done) override
    {
        switch (action) {
        case Action::LogOff:
        case Action::PowerOff:
        case Action::Restart:
            return exitWindows(action, force, std::move(done));
        case Action::Sleep:
        case Action::Hibernate:
            return suspend(action == Action::Hibernate, force, std::move(done));
        case Action::Lock:
            if (makeWindow(done))
                m_locker->lock(std::move(done));
            return;
        case Action::DisplayOff:
            if (!makeWindow(done))
                return;
            if (const DWORD error = win32::postDisplayOff(win32::realPowerApi(), m_window)) {
                const QString why = qt_error_string(int(error));
                return done(
                    refused(QStringLiteral("WM_SYSCOMMAND SC_MONITORPOWER not posted: %1").arg(why),
                            Refusal::Other, why));
            }
            // Answered once the window has handed it to the system.
            m_displayOff.push_back(std::move(done));
            return;
        case Action::RunCommand:
            // The arming controller runs the command itself; nothing to ask of the system.
            return done(refused(QStringLiteral("a command is no power request"),
                                Refusal::NotPossible, QString()));
        }
    }

private:
    static void exitWindows(Action action, bool force, const Done &done)
    {
        const win32::ExitWindowsResult result =
            win32::exitWindows(win32::realPowerApi(), action, force);
        if (result.accepted)
            return done({true, QString(), Refusal::Other, QString()});
        const QString why = qt_error_string(static_cast<int>(result.error));
        done(refused(QStringLiteral("ExitWindowsEx(%1) refused: %2").arg(result.flags).arg(why),
                     win32::refusalFor(result.error), why));
    }

    // SetSuspendState returns only after the computer has woken up: on a thread of its own,
    // the answer queued back to the GUI thread.
    void suspend(bool hibernate, bool force, Done done)
    {
        std::thread([courier = m_courier, hibernate, force, done = std::move(done)]() mutable {
            const PowerResult answer = suspendAnswer(
                win32::suspend(win32::realPowerApi(), hibernate, force), hibernate, force);
            const std::lock_guard lock(courier->mutex);
            if (courier->receiver)
                QMetaObject::invokeMethod(
                    courier->receiver, [done = std::move(done), answer] { done(answer); },
                    Qt::QueuedConnection);
        }).detach();
    }

    // The window the session's notifications and the display's command come to: made at the
    // first lock or display off. A hidden top-level window (never shown), as the display's
    // command is known to be carried out from one.
    bool makeWindow(const Done &done)
    {
        if (m_window)
            return true;
        m_window = makeHiddenWindow(L"OrvantaPowerWindow", &WinPowerRequester::windowProc);
        if (!m_window) {
            const QString why = qt_error_string(int(GetLastError()));
            done(refused(QStringLiteral("no window for the session's notifications: %1").arg(why),
                         Refusal::Other, why));
            return false;
        }
        m_locker =
            std::make_unique<win32::SessionLocker>(win32::realPowerApi(), m_window, LockPatience);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        return true;
    }

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self =
            reinterpret_cast<WinPowerRequester *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_WTSSESSION_CHANGE)
            self->m_locker->sessionChanged(wParam);
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        // The low four bits of a system command are the system's own.
        if (self && message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MONITORPOWER)
            QMetaObject::invokeMethod(
                &self->m_receiver,
                [waiting = std::exchange(self->m_displayOff, {})] {
                    for (const Done &done : waiting)
                        done({true, QString(), Refusal::Other, QString()});
                },
                Qt::QueuedConnection);
        return result;
    }

    QObject m_receiver; // the GUI thread's, for answers queued to it
    std::shared_ptr<Courier> m_courier;
    HWND m_window = nullptr;
    std::unique_ptr<win32::SessionLocker> m_locker;
    std::vector<Done> m_displayOff; // posted, not yet handled by the window
};

} // namespace

std::unique_ptr<PowerRequester> Platform::makePowerRequester()
{
    return std::make_unique<WinPowerRequester>();
}
