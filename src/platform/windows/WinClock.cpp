#include "core/Clock.h"
#include "platform/Platform.h"

#include <windows.h>

namespace {

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
