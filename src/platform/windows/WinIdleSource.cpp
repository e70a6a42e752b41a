#include "core/IdleSource.h"
#include "platform/windows/WinWaitParts.h"

#include <QCoreApplication>
#include <QTimer>

#include <climits>
#include <optional>

#include <windows.h>

namespace {

// The time since the session's last input. Windows says no change of it by itself, so it is
// read only when something could have changed: at first, then when the idleness read last
// would reach the span, and from there every half second, so that input in the last minute
// before an action stops it within a second.
class WinIdleSource final : public IdleSource
{
    // Its texts are filed under its own name.
    Q_DECLARE_TR_FUNCTIONS(WinIdleSource)

public:
    WinIdleSource()
    {
        m_timer.setSingleShot(true);
        // A coarse timer may come early by a twentieth of a long wait.
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &WinIdleSource::read);
    }

    void start(qint64 spanMs) override
    {
        stop();
        m_spanMs = spanMs;
        // Nothing is said from inside start().
        m_timer.start(0);
    }

    void stop() override
    {
        ++m_generation;
        m_timer.stop();
        m_lastInput.reset();
        m_reached = false;
    }

private:
    static constexpr int WatchMs = 500;

    void read()
    {
        LASTINPUTINFO info{};
        info.cbSize = sizeof info;
        if (!GetLastInputInfo(&info)) {
            const QString reason = qt_error_string(int(GetLastError()));
            stop();
            emit failed(tr("The time of the last input cannot be read: %1").arg(reason));
            return;
        }
        // Both are 32-bit milliseconds since boot: the difference is right across their wrap.
        const qint64 idle = qint64(DWORD(GetTickCount() - info.dwTime));
        // Any other time of the last input is input: a later event may carry an earlier time.
        const bool input = m_lastInput && *m_lastInput != info.dwTime;
        const bool wasReached = m_reached;
        m_lastInput = info.dwTime;
        m_reached = idle >= m_spanMs;
        // Before anything is said: whoever hears it may stop this source or start it anew.
        m_timer.start(m_reached ? WatchMs : int(qMin<qint64>(m_spanMs - idle, INT_MAX)));
        const quint64 generation = m_generation;
        if (wasReached && input)
            emit inUse();
        // Read while the span was reached without input, the idleness tells nothing new.
        if (generation == m_generation && (!wasReached || input))
            emit idleFor(idle);
    }

    QTimer m_timer;
    qint64 m_spanMs = 0;
    std::optional<DWORD> m_lastInput;
    bool m_reached = false; // at the last reading
    quint64 m_generation = 0;
};

} // namespace

std::unique_ptr<IdleSource> makeWinIdleSource()
{
    return std::make_unique<WinIdleSource>();
}
