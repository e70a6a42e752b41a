#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

// A one-shot alarm on the monotonic clock. Starting it again replaces the earlier start.
class Alarm
{
public:
    virtual ~Alarm() = default;
    virtual void start(qint64 ms) = 0;
    virtual void stop() = 0;
    // Milliseconds until it goes off; -1 when stopped.
    virtual qint64 remainingMs() const = 0;
};

// An alarm at a moment of the wall clock: it goes off when the clock reaches it, also right
// after a sleep that passed it; where the platform can tell, also when the clock is set (the
// caller looks at the time again and plans anew). Starting it again replaces the earlier start.
class WallAlarm
{
public:
    virtual ~WallAlarm() = default;
    virtual void start(const QDateTime &at) = 0;
    virtual void stop() = 0;
};

// Wall clock, monotonic clock and alarms behind one seam, so tests can set the time and
// make alarms go off without waiting.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 monotonicMs() const = 0;
    // `timeout` runs on this thread when the alarm goes off.
    virtual std::unique_ptr<Alarm> makeAlarm(std::function<void()> timeout) const = 0;
    // How long the computer has slept (suspended, hibernated) since the clock was made. The
    // monotonic clock stands still meanwhile: a countdown resumes where it stopped.
    virtual qint64 suspendedMs() const { return 0; }
    // Where the platform has no alarm of its own on the wall clock, a monotonic one looks
    // again at least every WallCheckMs: a sleep or a clock set is noticed that much later.
    virtual std::unique_ptr<WallAlarm> makeWallAlarm(std::function<void()> timeout) const;

    static constexpr qint64 WallCheckMs = 15 * 60 * 1000;
};

inline std::unique_ptr<WallAlarm> Clock::makeWallAlarm(std::function<void()> timeout) const
{
    class Checking final : public WallAlarm
    {
    public:
        Checking(const Clock &clock, std::function<void()> timeout)
            : m_clock(clock), m_alarm(clock.makeAlarm(std::move(timeout)))
        {
        }
        void start(const QDateTime &at) override
        {
            m_alarm->start(std::clamp<qint64>(m_clock.now().msecsTo(at), 0, WallCheckMs));
        }
        void stop() override { m_alarm->stop(); }

    private:
        const Clock &m_clock;
        std::unique_ptr<Alarm> m_alarm;
    };
    return std::make_unique<Checking>(*this, std::move(timeout));
}

// The monotonic clock of Qt's own timers; a platform's clock tells the sleep beside it.
class SystemClock : public Clock
{
public:
    SystemClock() { m_elapsed.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return m_elapsed.elapsed(); }
    std::unique_ptr<Alarm> makeAlarm(std::function<void()> timeout) const override
    {
        return std::make_unique<TimerAlarm>(std::move(timeout));
    }

private:
    // A precise timer: the coarse kind may fire up to 5 % of its interval late.
    class TimerAlarm final : public Alarm
    {
    public:
        explicit TimerAlarm(std::function<void()> timeout)
        {
            m_timer.setSingleShot(true);
            m_timer.setTimerType(Qt::PreciseTimer);
            QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(timeout));
        }
        void start(qint64 ms) override { m_timer.start(static_cast<int>(std::max<qint64>(0, ms))); }
        void stop() override { m_timer.stop(); }
        qint64 remainingMs() const override
        {
            return m_timer.isActive() ? m_timer.remainingTime() : -1;
        }

    private:
        QTimer m_timer;
    };

    QElapsedTimer m_elapsed;
};
