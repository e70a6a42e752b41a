#pragma once

#include "core/Clock.h"
#include "core/TimeRules.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <algorithm>
#include <array>
#include <memory>

// An armed power action and its one-second tick. A countdown keeps its own copy of the
// three field texts and steps it once a tick, announcing every text it writes; a time of
// day is compared with the wall clock. The ticks come from an alarm of the clock seam. Countdown
// ticks never drift: they are due at arming
// + k seconds on the monotonic clock, each re-armed against that deadline. Time-of-day ticks
// land just after each wall-clock second begins, so the second shown is the one compared.
// The computer's sleep stops a countdown (the monotonic clock stands still); a warning minute
// it slept through starts again in full, and a time of day passed in its sleep waits for the
// next day.
class ArmedTime final : public QObject
{
    Q_OBJECT
public:
    explicit ArmedTime(const Clock &clock, QObject *parent = nullptr);

    // Arms from the texts of the row in use (hours, minutes, seconds). A row whose whole
    // seconds come to 0, a countdown too long to hold, and a time of day that no clock
    // shows are refused: returns false. Both are taken as whole hours, minutes and seconds
    // ("0.2" hours counts down 12 minutes, "12.5" hours waits for 12:30:00), and the fields
    // are rewritten where that changes what they show, so what fires is what they show.
    bool arm(TimeMode mode, const std::array<QString, 3> &fields);
    // Whether arm() would take these fields.
    static bool accepts(TimeMode mode, const std::array<QString, 3> &fields);
    // Arms for a moment in real time (a schedule's occurrence): the warning minute, the
    // seconds left and Postpone count real seconds, whatever the clock face does meanwhile
    // (a daylight saving change, a time-zone change). A moment passed unseen (slept through,
    // the clock set past it beyond the late tick's grace) is never carried out late: passed()
    // says so instead of due(). False for an invalid moment.
    bool armAt(const QDateTime &moment);
    void disarm();

    bool armed() const { return m_armed; }
    TimeMode mode() const { return m_mode; }
    int targetTime() const { return m_target; }
    // Milliseconds until the next tick as scheduled now; -1 while disarmed.
    qint64 msUntilNextTick() const { return m_alarm->remainingMs(); }
    // Whole seconds until the action is due, as of the last tick (or arming); -1 while
    // disarmed.
    qint64 secondsUntilDue() const;
    // The moment a time of day is due, as its clock face shows it now; invalid for a countdown
    // (which counts running time: a sleep stops it) and while disarmed.
    QDateTime dueAt() const;
    // Moves the due moment `seconds` of real time on, and writes the fields that show it: a
    // countdown gets them added; a time of day becomes the moment it was due at plus the
    // seconds (across midnight or a daylight saving change alike), shown as the wall-clock
    // time it lands on. A time of day moved on is a moment from then on: like a schedule's
    // occurrence, it is never carried out late after a sleep.
    void postpone(int seconds);
    // The moment armed for (armAt(), or a time of day moved on); invalid otherwise.
    QDateTime moment() const { return m_moment; }

    // How long before the due moment the warning comes; 0: never.
    void setLeadSeconds(qint64 seconds) { m_leadSeconds = std::max<qint64>(0, seconds); }
    qint64 leadSeconds() const { return m_leadSeconds; }
    static constexpr qint64 DefaultLeadSeconds = 60;

signals:
    // `text` belongs into field `index` of the row in use (arming rewrote it, or a
    // countdown step or postponing changed it); one signal per field, in order.
    void fieldWritten(int index, const QString &text);
    // The time has come. The schedule is already disarmed when this is emitted.
    void due();
    // Once per arming or postponing, leadSeconds() before the due moment (at once when less
    // is left).
    void warning(qint64 secondsLeft);
    // After every tick that did not end the schedule.
    void ticked();
    // The moment of armAt() went by unseen. The schedule is already disarmed.
    void passed();

private:
    void tick();
    void scheduleNext();
    void warnIfNear();
    // After the computer slept through part of the warning minute.
    void warnAgain();
    // The moment a time of day is due at next, as of the last check.
    QDateTime timeOfDayMoment() const;
    void writeClockFields(const QDateTime &moment);

    const Clock &m_clock;
    std::unique_ptr<Alarm> m_alarm;
    bool m_armed = false;
    TimeMode m_mode = TimeMode::TimeOfDay;
    int m_target = 0;
    std::array<QString, 3> m_countdown;
    qint64 m_armedAtMs = 0;
    qint64 m_ticks = 0;
    bool m_warned = false;
    // When the time of day was last compared (arming or the previous tick).
    QDateTime m_lastCheck;
    // The clock's sleep as of the last check.
    qint64 m_sleptMs = 0;
    QDateTime m_moment;
    qint64 m_leadSeconds = DefaultLeadSeconds;
};
