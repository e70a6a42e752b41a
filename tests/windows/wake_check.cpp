// The wake timer's real calls under wine (nothing here sleeps, so the wake itself is not seen):
// a timer set by the program's own code is signalled at its moment, a cancelled one never.
#include "platform/windows/WinWake.h"

#include <cstdio>

int main()
{
    const QString plan = win32::wakeTimersWhyNot();
    std::printf("power plan: %s\n", plan.isEmpty() ? "wake timers allowed" : qPrintable(plan));
    HANDLE timer = CreateWaitableTimerW(nullptr, TRUE, nullptr);
    const auto soon = [] { return QDateTime::currentDateTimeUtc().addMSecs(500); };
    const win32::WakeTimerResult result = win32::setWakeTimer(timer, soon());
    std::printf("SetWaitableTimerEx with a wake context: %d, GetLastError %lu\n", result.set,
                result.error);
    const bool signalled = WaitForSingleObject(timer, 3000) == WAIT_OBJECT_0;
    win32::setWakeTimer(timer, soon());
    const bool cancelled =
        CancelWaitableTimer(timer) && WaitForSingleObject(timer, 1500) == WAIT_TIMEOUT;
    std::printf("signalled at its moment: %d, never once cancelled: %d\n", signalled, cancelled);
    if (result.set && signalled && cancelled)
        std::printf("all passed\n");
}
