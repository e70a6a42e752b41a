#pragma once

#include "core/Power.h"

#include <QString>

class AwakeHold;
class WakeAlarm;

// Asking the system, before any window exists, what it can carry out.
namespace CheckReport {

// Runs the event loop until the system has said what it can carry out, and whether it can be
// woken at a time: never a wait in a window's thread, for no window exists yet; the requester
// and the wake alarm bound the time themselves.
Capabilities askCapabilities(PowerRequester &power, WakeAlarm &wake, QString *wakeWhyNot);

// --check: what the system says it can carry out now, one action a line, whether it can
// wake the computer at a time, and what keeps it awake, on standard output; a script reads
// "yes" or "no" after the option's name. The exit status.
int printCapabilities(PowerRequester &power, WakeAlarm &wake, AwakeHold &awake);

} // namespace CheckReport
