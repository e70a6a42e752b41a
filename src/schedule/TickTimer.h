#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class Clock;

// Milliseconds from now until the next tick. Counting ticks from arming keeps them on the
// deadlines armedAt + k * interval whatever each tick cost; aligned ticks land just after
// the next wall-clock second begins (wallMsec: milliseconds into the current second).
qint64 tickDelayMs(qint64 armedAt, qint64 ticksDone, int interval, qint64 monotonicNow,
                   bool alignToWallSecond, int wallMsec);

// The window's one-second timer. It never drifts: ticks are due at arming + k * interval on
// the monotonic clock, re-armed against that deadline each time; when asked to align with
// the wall clock, each tick lands just after a wall-clock second begins instead.
class TickTimer final : public QObject
{
    Q_OBJECT
public:
    TickTimer(const Clock &clock, QObject *parent);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_interval; }
    // Asked before each tick is scheduled: true to land just after a wall-clock second.
    void setAlignToWallSecond(std::function<bool()> align) { m_align = std::move(align); }
    // Milliseconds until the next tick as scheduled now; -1 while disabled.
    qint64 remainingMs() const;

signals:
    void timer();

private:
    void scheduleNext();
    void fire();

    const Clock &m_clock;
    QTimer m_timer;
    std::function<bool()> m_align;
    bool m_enabled = false;
    int m_interval = 1000;
    qint64 m_armedAt = 0;
    qint64 m_ticks = 0;
};
