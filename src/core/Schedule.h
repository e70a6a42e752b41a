#pragma once

#include "core/Clock.h"
#include "core/TimeRules.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>

// An armed power action and its one-second tick. A countdown keeps its own copy of the
// three field texts and steps it once a tick, announcing every text it writes; a time of
// day is compared with the wall clock. Countdown ticks never drift: they are due at arming
// + k seconds on the monotonic clock, each re-armed against that deadline. Time-of-day ticks
// land just after each wall-clock second begins, so the second shown is the one compared.
class Schedule final : public QObject
{
    Q_OBJECT
public:
    explicit Schedule(const Clock &clock, QObject *parent = nullptr);

    // Arms from the texts of the row in use (hours, minutes, seconds). A row that composes
    // to 0 (0:00:00, or a text that joins to no 32-bit number), and a time of day that no
    // clock shows, are refused: returns false. A countdown is taken as whole hours, minutes
    // and seconds, and its fields are rewritten where that changes what they show.
    bool arm(TimeMode mode, const std::array<QString, 3> &fields);
    void disarm();

    bool armed() const { return m_armed; }
    TimeMode mode() const { return m_mode; }
    int targetTime() const { return m_target; }
    // Milliseconds until the next tick as scheduled now; -1 while disarmed.
    qint64 msUntilNextTick() const;
    // Whole seconds until the action is due, as of the last tick (or arming); -1 while
    // disarmed.
    qint64 secondsUntilDue() const;
    // Moves the due moment `seconds` on: a countdown gets them added to its fields, a time
    // of day keeps its fields and fires that much after the time they show.
    void postpone(int seconds);

    // How long before the due moment the warning comes.
    static constexpr qint64 WarningSeconds = 60;

    // One tick. The timer calls it; tests call it after setting their clock.
    void tick();

signals:
    // A countdown step wrote `text` into field `index`; one signal per field, in order.
    void countdownWritten(int index, const QString &text);
    // The time has come. The schedule is already disarmed when this is emitted.
    void due();
    // Once per arming or postponing, WarningSeconds before the due moment (at once when
    // less is left).
    void warning(qint64 secondsLeft);
    // After every tick that did not end the schedule.
    void ticked();

private:
    void scheduleNext();
    void warnIfNear();

    const Clock &m_clock;
    QTimer m_timer;
    bool m_armed = false;
    TimeMode m_mode = TimeMode::TimeOfDay;
    int m_target = 0;
    std::array<QString, 3> m_countdown;
    qint64 m_armedAtMs = 0;
    qint64 m_ticks = 0;
    bool m_warned = false;
    // When the time of day was last compared (arming or the previous tick).
    QDateTime m_lastCheck;
};
