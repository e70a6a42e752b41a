#include "core/Clock.h"
#include "platform/Platform.h"

#include <ctime>

namespace {

qint64 ms(clockid_t id)
{
    timespec now{};
    clock_gettime(id, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Qt's monotonic clock is CLOCK_MONOTONIC, which stands still while the computer sleeps;
// CLOCK_BOOTTIME runs on: the difference is the sleep.
class LinuxClock final : public SystemClock
{
public:
    qint64 suspendedMs() const override { return asleep() - m_asleepAtStart; }

private:
    static qint64 asleep() { return ms(CLOCK_BOOTTIME) - ms(CLOCK_MONOTONIC); }

    const qint64 m_asleepAtStart = asleep();
};

} // namespace

std::unique_ptr<Clock> Platform::makeClock()
{
    return std::make_unique<LinuxClock>();
}
