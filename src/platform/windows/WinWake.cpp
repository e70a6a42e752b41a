#include "platform/windows/WinWake.h"

#include <QCoreApplication>

#include <powrprof.h>

namespace {

struct WakeTexts
{
    Q_DECLARE_TR_FUNCTIONS(WakeAlarm)
};

// The power plan's Sleep group and its "Allow wake timers" setting: 0 off, 1 on, 2 important
// wake timers only (the system's own, not a program's).
constexpr GUID SleepGroup = {
    0x238c9fa8, 0x0aad, 0x41ed, {0x83, 0xf4, 0x97, 0xbe, 0x24, 0x2c, 0x8f, 0x20}};
constexpr GUID AllowWakeTimers = {
    0xbd3b718a, 0x0680, 0x4d9d, {0x8a, 0xb2, 0xe1, 0xd2, 0xb4, 0xac, 0x80, 0x6d}};

} // namespace

namespace win32 {

QString wakeTimersWhyNot()
{
    GUID *scheme = nullptr;
    if (PowerGetActiveScheme(nullptr, &scheme) != ERROR_SUCCESS || !scheme)
        return QString(); // nothing to read: the timer's own answer tells
    SYSTEM_POWER_STATUS power{};
    // On battery the plan's DC value holds; plugged in, or unknown, the AC value.
    const bool battery = GetSystemPowerStatus(&power) && power.ACLineStatus == 0;
    DWORD value = 1;
    const DWORD read =
        battery ? PowerReadDCValueIndex(nullptr, scheme, &SleepGroup, &AllowWakeTimers, &value)
                : PowerReadACValueIndex(nullptr, scheme, &SleepGroup, &AllowWakeTimers, &value);
    LocalFree(scheme);
    if (read != ERROR_SUCCESS || value == 1)
        return QString();
    return value == 2 ? WakeTexts::tr("the power plan allows important wake timers only "
                                      "(Power Options, Sleep, Allow wake timers)")
                      : WakeTexts::tr("the power plan does not allow wake timers (Power "
                                      "Options, Sleep, Allow wake timers)");
}

WakeTimerResult setWakeTimer(HANDLE timer, const QDateTime &at)
{
    // Positive: an absolute moment, in 100 ns units since 1601 (UTC).
    constexpr qint64 From1601Ms = 11644473600000LL;
    LARGE_INTEGER due{};
    due.QuadPart = (at.toMSecsSinceEpoch() + From1601Ms) * 10000;
    wchar_t reason[] = L"Orvanta wakes the computer for the action armed";
    REASON_CONTEXT context{};
    context.Version = POWER_REQUEST_CONTEXT_VERSION;
    context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
    context.Reason.SimpleReasonString = reason;
    SetLastError(ERROR_SUCCESS);
    const bool set = SetWaitableTimerEx(timer, &due, 0, nullptr, nullptr, &context, 0);
    return {set, GetLastError()};
}

} // namespace win32
