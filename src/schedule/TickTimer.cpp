#include "schedule/TickTimer.h"

#include "schedule/Clock.h"

#include <algorithm>

namespace {
// Margin after the start of a wall-clock second, against a timer that fires a hair early.
constexpr qint64 WallSecondMarginMs = 2;
} // namespace

qint64 tickDelayMs(qint64 armedAt, qint64 ticksDone, int interval, qint64 monotonicNow,
                   bool alignToWallSecond, int wallMsec)
{
    if (alignToWallSecond)
        return 1000 - wallMsec + WallSecondMarginMs;
    const qint64 due = armedAt + (ticksDone + 1) * interval;
    return std::max<qint64>(0, due - monotonicNow);
}

TickTimer::TickTimer(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TickTimer::fire);
}

void TickTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled) {
        m_timer.stop();
        return;
    }
    m_armedAt = m_clock.monotonicMs();
    m_ticks = 0;
    scheduleNext();
}

qint64 TickTimer::remainingMs() const
{
    return m_enabled ? m_timer.remainingTime() : -1;
}

void TickTimer::scheduleNext()
{
    const bool align = m_align && m_align();
    const int wallMsec = align ? m_clock.now().time().msec() : 0;
    m_timer.start(static_cast<int>(
        tickDelayMs(m_armedAt, m_ticks, m_interval, m_clock.monotonicMs(), align, wallMsec)));
}

void TickTimer::fire()
{
    if (!m_enabled)
        return;
    ++m_ticks;
    // Scheduled before the handler runs, which may disable the timer or end the window.
    scheduleNext();
    emit timer();
}
