#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

// How the target is given: the values are the stored "TimeSetting" setting.
enum class TimeMode
{
    TimeOfDay = 0,
    Countdown = 1
};

namespace TimeRules {

// A time number is hours * 10000 + minutes * 100 + seconds (9:05:03 is 90503).
int timeNumberOf(const QTime &time);

// The target of a row of fields: hours formatted "0", minutes and seconds "00", the digits
// joined and read as a 32-bit integer. A field that is not a number counts as 0; a join
// that is no 32-bit integer (a minus sign inside, too many digits) gives 0, which refuses
// arming instead of scheduling something nobody typed.
int composeTargetTime(const QString &hours, const QString &minutes, const QString &seconds);

// A countdown as whole hours, minutes (0-59) and seconds (0-59) of the same length, the
// length rounded to a second: fractions ("0.5" minutes) and overflows ("90" minutes) would
// otherwise count down as something else than they say. Texts that already hold their
// whole value are kept as typed. Nothing when the length is not above zero or a field is
// negative.
std::optional<std::array<QString, 3>> wholeCountdown(const std::array<QString, 3> &texts);

// A time of day as the whole hours, minutes and seconds that will be waited for, the
// total rounded to a second ("12.5" hours is 12:30:00). Texts that already hold their whole
// value are kept as typed. Nothing when a field is out of its clock range (hours 0 to below
// 24, minutes and seconds 0 to below 60) or the total is 0:00:00 or no time of day.
std::optional<std::array<QString, 3>> wholeTimeOfDay(const std::array<QString, 3> &texts);

// One second off a countdown held in three texts (hours, minutes, seconds).
struct CountdownStep
{
    bool due = false;                            // all three ran out: the time has come
    std::vector<std::pair<int, QString>> writes; // (field index, new text), in order
};
CountdownStep countdownStep(const std::array<QString, 3> &texts);

// Whether a time number names a second that a clock shows (0:00:00 to 23:59:59).
bool isTimeOfDay(int targetTime);

// Whether a time-of-day schedule fires on a tick at `now`. It fires when the clock shows
// the target second, and also when the clock face passed the target second since the
// previous check (the previous tick, or arming) provided no more than five seconds really
// passed since then: a late tick, or the hour skipped when daylight saving time begins,
// must not postpone the action by a day. Larger gaps (suspend, the clock set forward) and
// targets already past at arming wait for the same second the next day.
bool timeOfDayDue(int targetTime, const QDateTime &previousCheck, const QDateTime &now);

inline constexpr qint64 LateTickToleranceMs = 5000;
} // namespace TimeRules
