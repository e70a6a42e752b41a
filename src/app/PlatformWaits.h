#pragma once

#include "core/Wait.h"

class Clock;

// The waits besides the clock of the platform this program is built for.
class PlatformWaits final : public Waits
{
public:
    explicit PlatformWaits(const Clock &clock) : m_clock(clock) {}

    QList<RunningProgram> runningPrograms() override;
    std::unique_ptr<Condition> make(const WaitOrder &order, QString *error) override;

private:
    const Clock &m_clock;
};
