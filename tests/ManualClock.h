#pragma once

#include "core/Clock.h"

#include <algorithm>
#include <vector>

// A clock the test moves by hand; its alarms go off as it passes their moment, each with
// the clocks set to that moment, so a tick sees the time it was due at.
class ManualClock final : public Clock
{
public:
    QDateTime now() const override { return wall; }
    qint64 monotonicMs() const override { return mono; }
    std::unique_ptr<Alarm> makeAlarm(std::function<void()> timeout) const override
    {
        return std::make_unique<ManualAlarm>(const_cast<ManualClock &>(*this), std::move(timeout));
    }

    void advance(qint64 ms)
    {
        const qint64 end = mono + ms;
        for (;;) {
            ManualAlarm *next = nullptr;
            for (ManualAlarm *alarm : m_alarms)
                if (alarm->deadline >= 0 && alarm->deadline <= end &&
                    (!next || alarm->deadline < next->deadline))
                    next = alarm;
            if (!next)
                break;
            set(std::max(mono, next->deadline));
            next->deadline = -1;
            next->timeout();
        }
        set(end);
    }

    qint64 suspendedMs() const override { return slept; }
    // The computer sleeps: the wall clock moves on, the monotonic one and its alarms do not.
    void sleep(qint64 ms)
    {
        wall = wall.addMSecs(ms);
        slept += ms;
    }

    QDateTime wall{QDate(2026, 12, 7), QTime(14, 29, 50)};
    qint64 mono = 500;
    qint64 slept = 0;

private:
    struct ManualAlarm final : Alarm
    {
        ManualAlarm(ManualClock &clock, std::function<void()> timeout)
            : clock(clock), timeout(std::move(timeout))
        {
            clock.m_alarms.push_back(this);
        }
        ~ManualAlarm() override { std::erase(clock.m_alarms, this); }
        void start(qint64 ms) override { deadline = clock.mono + std::max<qint64>(0, ms); }
        void stop() override { deadline = -1; }
        qint64 remainingMs() const override { return deadline < 0 ? -1 : deadline - clock.mono; }

        ManualClock &clock;
        std::function<void()> timeout;
        qint64 deadline = -1;
    };

    void set(qint64 ms)
    {
        wall = wall.addMSecs(ms - mono);
        mono = ms;
    }

    std::vector<ManualAlarm *> m_alarms;
};
