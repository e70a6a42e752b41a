#include "schedule/TickTimer.h"

#include "schedule/Clock.h"

#include <algorithm>

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
    qint64 delay = 0;
    if (m_align && m_align()) {
        const qint64 intoSecond = m_clock.now().time().msec();
        delay = 1000 - intoSecond + WallSecondMarginMs;
    } else {
        const qint64 due = m_armedAt + (m_ticks + 1) * m_interval;
        delay = std::max<qint64>(0, due - m_clock.monotonicMs());
    }
    m_timer.start(static_cast<int>(delay));
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
