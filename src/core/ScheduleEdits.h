#pragma once

#include "core/CommandLine.h"
#include "core/ScheduleRule.h"

#include <vector>

namespace ScheduleEdits {

// "Monday to Friday 23:30 — Turn off computer (Force)": a schedule in the list.
QString describe(const ScheduleRule &rule);
// Whether any schedule is on: the program must then start with the session.
bool anyEnabled(const std::vector<StoredSchedule> &schedules);
// What a command line asks of the list, done to `schedules`: Applied with a line saying what
// became of it (the numbered list, for --schedules), or Refused with the reason and the list
// as it was. A schedule added or switched on counts from now: nothing earlier is missed.
CommandOutcome apply(std::vector<StoredSchedule> &schedules, const ScheduleEdit &edit);
// Why `edit` must not be done where the system can carry out what `capabilities` say: a
// schedule added or switched on for an action it cannot, or one that wakes the computer where
// it cannot be woken (`wakeWhyNot` says why not; empty where it can); empty when it may.
QString refusal(const std::vector<StoredSchedule> &schedules, const ScheduleEdit &edit,
                const Capabilities &capabilities, const QString &wakeWhyNot);

} // namespace ScheduleEdits
