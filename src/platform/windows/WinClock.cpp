#include "core/Clock.h"
#include "core/Log.h"
#include "platform/Platform.h"

#include <QWinEventNotifier>

#include "platform/windows/WinHeaders.h"

namespace {

// Windows tells every top-level window when the clock is set or the time zone changes
// (WM_TIMECHANGE); Qt's own hidden window is message-only and hears no such broadcast, so a
// hidden top-level window of ours listens. Qt asks the system for the zone at every
// conversion: the clock's face follows by itself.
class TimeChangeWindow final : public QObject
{
    Q_OBJECT
public:
    TimeChangeWindow()
    {
        m_window = makeHiddenWindow(L"OrvantaTimeChangeWindow", &TimeChangeWindow::windowProc);
        if (m_window)
            SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        else
            qCWarning(lcOrvanta).noquote()
                << QStringLiteral("A new time zone is noticed only at the next planned "
                                  "moment: no window hears of it (%1)")
                       .arg(qt_error_string(int(GetLastError())));
    }
    ~TimeChangeWindow() override
    {
        if (m_window)
            DestroyWindow(m_window);
    }

signals:
    void changed();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self = reinterpret_cast<TimeChangeWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        // Sent while the event loop fetches a message: the owners plan from the loop itself.
        if (self && message == WM_TIMECHANGE)
            QMetaObject::invokeMethod(self, &TimeChangeWindow::changed, Qt::QueuedConnection);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND m_window = nullptr;
};

// A waitable timer at an absolute moment (UTC): Windows lets it go off at that moment of the
// system clock and at once after a sleep that passed it (without waking the computer for
// it); nothing wakes us before. When the clock is set or the time zone changes it goes off
// at once, as its moment was planned by the old clock face.
class WaitableWallAlarm final : public WallAlarm
{
public:
    WaitableWallAlarm(HANDLE timer, const TimeChangeWindow &timeChange,
                      std::function<void()> timeout)
        : m_timer(timer), m_notifier(timer), m_timeout(std::move(timeout))
    {
        m_notifier.setEnabled(false);
        QObject::connect(&m_notifier, &QWinEventNotifier::activated, &m_notifier, [this] {
            m_notifier.setEnabled(false);
            m_timeout();
        });
        QObject::connect(&timeChange, &TimeChangeWindow::changed, &m_notifier, [this] {
            if (!m_notifier.isEnabled())
                return;
            stop();
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
        // Made with the first alarm, on the thread of the alarms' event loop.
        if (!m_timeChange)
            m_timeChange = std::make_unique<TimeChangeWindow>();
        return std::make_unique<WaitableWallAlarm>(timer, *m_timeChange, std::move(timeout));
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
    mutable std::unique_ptr<TimeChangeWindow> m_timeChange;
};

} // namespace

std::unique_ptr<Clock> Platform::makeClock()
{
    return std::make_unique<WinClock>();
}

#include "WinClock.moc"
