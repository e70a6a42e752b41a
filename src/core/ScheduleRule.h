#pragma once

#include "core/Power.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class SettingsStore;

// "Every weekday at 23:30 turn off the computer": on the days it names, at hour:minute of the
// local clock, the action is armed as a time of day, with the usual warning minute.
struct ScheduleRule
{
    // Bit 0 Monday ... bit 6 Sunday (Qt's day of the week less one).
    quint8 days = 0;
    int hour = 0;
    int minute = 0;
    Action action = Action::PowerOff;
    bool force = false;
    bool enabled = true;
    // The computer is woken from sleep for each occurrence.
    bool wake = false;

    static constexpr quint8 EveryDay = 0x7f;

    // A day at least, and a time a clock shows.
    bool isValid() const;
    bool occursOn(int dayOfWeek) const { return (days >> (dayOfWeek - 1) & 1) != 0; }
    bool operator==(const ScheduleRule &) const = default;
};

// A rule and what became of its occurrences.
struct StoredSchedule
{
    ScheduleRule rule;
    // Occurrences up to this moment are dealt with: carried out, cancelled, missed, or from
    // before the schedule was made. Invalid for a schedule made or turned on just now: the
    // runner takes the moment it is handed the schedule, so nothing earlier counts as missed.
    QDateTime settledUntil;
    // The stored number (from 0) the schedule lives under: its identity while it exists, so
    // that its record, an edit or a removal reaches this schedule and no other. -1 until saved.
    int key = -1;

    bool operator==(const StoredSchedule &) const = default;
};

namespace ScheduleRules {

// The first occurrence strictly after `after`, in the time zone of `after`; invalid when
// the rule names no day. A time the clock skips when daylight saving time begins occurs
// when the clock jumps past it; a time it shows twice when it ends occurs the first time.
QDateTime nextOccurrence(const ScheduleRule &rule, const QDateTime &after);
// The last occurrence at or before `notAfter`; invalid when the rule names no day.
QDateTime lastOccurrence(const ScheduleRule &rule, const QDateTime &notAfter);

// The days as a user reads them: "Every day", "Monday to Friday", "Saturday and Sunday",
// "Every Tuesday", "Mon, Wed, Fri".
QString daysText(quint8 days);
// "Monday 23:30": an occurrence, on its own clock; "Thursday 17 December 11:00" when it is
// more than six days from `now` (a weekday alone would read as this week).
QString occurrenceText(const QDateTime &at, const QDateTime &now = QDateTime());
// "Next: Monday 23:30 — Turn off computer".
QString toolTipLine(const ScheduleRule &rule, const QDateTime &next, const QDateTime &now);
// "Missed: Sunday 23:30".
QString missedLine(const QDateTime &missed);

// The days and the time as the command line gives them: "mon-fri 23:30", "daily 7:00",
// "sat,sun 10:00", "mon,wed-fri 21:15" (English day names, three letters or more; a range
// may wrap past Sunday). The action and force are left as they are in `base`. Nothing,
// with the reason in `error`, when the text says something else.
std::optional<ScheduleRule> parse(const QString &text, QString *error,
                                  const ScheduleRule &base = ScheduleRule());
// The days and the time as parse() reads them: "mon-fri 23:30", "daily 07:00".
QString format(const ScheduleRule &rule);

// The schedules stored beside the window's settings: "Schedule1" = "mon-fri 23:30|1|0|on"
// (format(), the stored Action value, force 0 or 1, on or off; then "|wake" where the computer
// is woken for it, left out otherwise so that earlier versions read the rest), "Schedule1Settled" =
// settledUntil in UTC ("2026-12-07T22:30:00Z"); numbers 1 to MaximumCount, an empty one
// skipped. Each keeps its number as its key. A damaged entry is left out (and said on
// standard error) and its number left alone; a damaged record counts as none.
std::vector<StoredSchedule> load(SettingsStore &store);
// Writes every schedule and its record under its key, giving a new one the lowest free
// number (filled into `schedules`), and empties the numbers of schedules no longer listed.
bool save(SettingsStore &store, std::vector<StoredSchedule> &schedules, QString *error);
// Writes the record of one saved schedule only.
bool saveSettled(SettingsStore &store, const StoredSchedule &schedule, QString *error);

inline constexpr int MaximumCount = 100;

} // namespace ScheduleRules
