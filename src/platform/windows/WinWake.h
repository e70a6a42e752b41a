#pragma once

#include <QDateTime>
#include <QString>

#include "platform/windows/WinHeaders.h"

namespace win32 {

// Why the power plan lets no program's timer wake the computer ("Allow wake timers" off, or
// "Important wake timers only", for the power source in use now); empty when it lets them.
QString wakeTimersWhyNot();

struct WakeTimerResult
{
    bool set = false;
    DWORD error = 0; // GetLastError() after the call: ERROR_NOT_SUPPORTED after a success means
                     // the timer is set and will not wake the computer
};

// Sets `timer` to be signalled at `at`, waking the computer from sleep for it (a wake context
// makes it a resume timer, as SetWaitableTimer's fResume).
WakeTimerResult setWakeTimer(HANDLE timer, const QDateTime &at);

} // namespace win32
