#include "core/Clock.h"
#include "platform/Platform.h"

#include <QWinEventNotifier>

#include <windows.h>

namespace {

// A waitable timer at an absolute moment (UTC): Windows lets it go off at that moment of the
// system clock, moves it when the clock is set, and lets it go off at once after a sleep
// that passed it (without waking the computer for it); nothing wakes us before.
class WaitableWallAlarm final : public WallAlarm
{
public:
    WaitableWallAlarm(HANDLE timer, std::function<void()> timeout)
        : m_timer(timer), m_notifier(timer), m_timeout(std::move(timeout))
    {
        m_notifier.setEnabled(false);
        QObject::connect(&m_notifier, &QWinEventNotifier::activated, &m_notifier, [this] {
            m_notifier.setEnabled(false);
            m_timeout();
        });
    }
    ~WaitableWallAlarm() override
    {
        m_notifier.setEnabled(false);
        CloseHandle(m_timer);
    }

    void start(const QDateTime &at) override
    {
        // FILETIME counts 100 ns from 1601; positive means an absolute moment.
        constexpr qint64 EpochOffset = 11644473600000LL; // ms from 1601 to 1970
        LARGE_INTEGER due;
        due.QuadPart = (std::max<qint64>(at.toMSecsSinceEpoch(), 0) + EpochOffset) * 10000;
        if (SetWaitableTimer(m_timer, &due, 0, nullptr, nullptr, FALSE))
            m_notifier.setEnabled(true);
        else
            QMetaObject::invokeMethod(&m_notifier, m_timeout, Qt::QueuedConnection);
    }
    void stop() override
    {
        CancelWaitableTimer(m_timer);
        m_notifier.setEnabled(false);
    }

private:
    HANDLE m_timer;
    QWinEventNotifier m_notifier;
    std::function<void()> m_timeout;
};

// Qt's monotonic clock on Windows counts the time the computer sleeps: a countdown armed
// before a night's sleep would race to zero after waking. The unbiased interrupt time
// leaves the sleep out; the tick count keeps it, and the difference is the sleep.
class WinClock final : public SystemClock
{
public:
    qint64 monotonicMs() const override { return awake() - m_awakeAtStart; }
    qint64 suspendedMs() const override
    {
        return qint64(GetTickCount64()) - m_ticksAtStart - monotonicMs();
    }

    std::unique_ptr<WallAlarm> makeWallAlarm(std::function<void()> timeout) const override
    {
        // Manual reset: it stays signalled once due, so the notifier cannot miss it.
        HANDLE timer = CreateWaitableTimerW(nullptr, TRUE, nullptr);
        if (!timer)
            return SystemClock::makeWallAlarm(std::move(timeout));
        return std::make_unique<WaitableWallAlarm>(timer, std::move(timeout));
    }

private:
    static qint64 awake()
    {
        ULONGLONG hundredNs = 0;
        QueryUnbiasedInterruptTime(&hundredNs);
        return qint64(hundredNs / 10000);
    }

    const qint64 m_awakeAtStart = awake();
    const qint64 m_ticksAtStart = qint64(GetTickCount64());
};

} // namespace

std::unique_ptr<Clock> Platform::makeClock()
{
    return std::make_unique<WinClock>();
}
