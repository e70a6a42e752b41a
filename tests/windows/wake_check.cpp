// The wake timer's real calls under wine (or Windows): a timer set through the program's own
// code is signalled at its moment, a cancelled one never; what the system answers is printed.
// Waking from sleep itself cannot be seen here, and nothing here sleeps.
#include "platform/windows/WinWake.h"

#include <QDateTime>

#include <cstdio>

int main()
{
    int failures = 0;
    const auto check = [&failures](bool ok, const char *what) {
        std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
        failures += ok ? 0 : 1;
    };
    const QString plan = win32::wakeTimersWhyNot();
    std::printf("power plan: %s\n", plan.isEmpty() ? "wake timers allowed" : qPrintable(plan));
    HANDLE timer = CreateWaitableTimerW(nullptr, TRUE, nullptr);
    check(timer != nullptr, "a waitable timer is made");
    const win32::WakeTimerResult result =
        win32::setWakeTimer(timer, QDateTime::currentDateTimeUtc().addMSecs(500));
    std::printf("SetWaitableTimerEx with a wake context: %s, GetLastError %lu%s\n",
                result.set ? "TRUE" : "FALSE", result.error,
                result.error == ERROR_NOT_SUPPORTED ? " (ERROR_NOT_SUPPORTED: no resume)" : "");
    check(result.set, "the wake timer is set");
    check(WaitForSingleObject(timer, 3000) == WAIT_OBJECT_0,
          "it is signalled at its moment, an absolute time in UTC");
    win32::setWakeTimer(timer, QDateTime::currentDateTimeUtc().addMSecs(500));
    check(CancelWaitableTimer(timer) && WaitForSingleObject(timer, 1500) == WAIT_TIMEOUT,
          "a cancelled one never is");
    CloseHandle(timer);
    if (!failures)
        std::printf("all passed\n");
    return failures;
}
