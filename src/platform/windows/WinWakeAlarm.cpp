#include "core/Log.h"
#include "core/WakeAlarm.h"
#include "platform/Platform.h"
#include "platform/windows/WinWake.h"

#include <QCoreApplication>

namespace {

struct WakeTexts
{
    Q_DECLARE_TR_FUNCTIONS(WakeAlarm)
};

QString cannot(const QString &detail)
{
    return WakeTexts::tr("This system cannot wake the computer at a time: %1").arg(detail);
}

// A waitable timer that resumes the computer. It belongs to this process: Windows cancels it
// when the process's last handle to it closes, also in a crash, so nothing is ever left
// behind. After such an unattended wake Windows sleeps again within about two minutes unless
// a program asks it to stay awake, as the program does while something is armed.
class WinWakeAlarm final : public WakeAlarm
{
public:
    WinWakeAlarm() : m_timer(CreateWaitableTimerW(nullptr, TRUE, nullptr)) {}
    ~WinWakeAlarm() override
    {
        if (m_timer) {
            CancelWaitableTimer(m_timer);
            CloseHandle(m_timer);
        }
    }

    void probe(std::function<void(const QString &)> done) override
    {
        QMetaObject::invokeMethod(
            this, [this, done] { done(whyNot()); }, Qt::QueuedConnection);
    }

    void set(const QDateTime &at) override
    {
        QString why;
        if (!m_timer) {
            why = cannot(WakeTexts::tr("no timer could be made"));
        } else if (const win32::WakeTimerResult result = win32::setWakeTimer(m_timer, at);
                   !result.set) {
            why = cannot(
                WakeTexts::tr("Windows refused the wake timer (error %1)").arg(result.error));
        } else if (result.error == ERROR_NOT_SUPPORTED) {
            CancelWaitableTimer(m_timer);
            why = cannot(WakeTexts::tr("this computer does not support waking by a timer"));
        }
        if (!why.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, why] { emit failed(why); }, Qt::QueuedConnection);
    }

    void clear() override
    {
        if (m_timer)
            CancelWaitableTimer(m_timer);
    }

    // The timers of an earlier run died with its process.
    void clearLeftovers() override {}

private:
    QString whyNot() const
    {
        if (!m_timer)
            return cannot(WakeTexts::tr("no timer could be made"));
        if (const QString plan = win32::wakeTimersWhyNot(); !plan.isEmpty())
            return cannot(plan);
        // A timer a day ahead, cancelled at once: a success that says ERROR_NOT_SUPPORTED
        // means the computer cannot be resumed by it.
        const win32::WakeTimerResult result =
            win32::setWakeTimer(m_timer, QDateTime::currentDateTimeUtc().addDays(1));
        CancelWaitableTimer(m_timer);
        if (!result.set || result.error == ERROR_NOT_SUPPORTED)
            return cannot(WakeTexts::tr("this computer does not support waking by a timer"));
        return QString();
    }

    HANDLE m_timer;
};

} // namespace

std::unique_ptr<WakeAlarm> Platform::makeWakeAlarm()
{
    return std::make_unique<WinWakeAlarm>();
}
