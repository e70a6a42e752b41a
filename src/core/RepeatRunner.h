#pragma once

#include "core/ArmingController.h"
#include "core/RepeatRule.h"

#include <QDateTime>
#include <QObject>

#include <memory>
#include <vector>

class Alarm;
class WallAlarm;
class Clock;
class SettingsStore;

// Runs the repeating schedules through an ArmingController of their own, beside the one the
// user arms by hand. While the next occurrence is far it only sets an alarm on the wall clock
// (which also goes off after a sleep, and where the platform can, when the clock is set, so
// the plan is looked at again); ArmLeadMs before the
// occurrence it arms the controller with its time of day, so the warning minute, Postpone and
// Cancel are the usual ones (Cancel skips this occurrence; the schedule stays). Once the
// request goes out or the controller is Idle again, the occurrence is settled, written to
// the store, and the next one planned.
//
// Never late, never twice: an occurrence passed while the program did not run, the computer
// slept, or the clock was set past it (beyond the time of day's grace) is missed, not carried
// out late; missed() names it. A settled occurrence never comes again, after a restart or a
// clock set back either.
//
// Signals come only from the event loop or from the calls below that say so, never from the
// constructor: whoever makes the runner can connect first.
class RepeatRunner final : public QObject
{
    Q_OBJECT
public:
    // `controller` is armed by this runner only. `store` (may be null) receives the record of
    // every occurrence settled (RepeatRules::saveSettled), numbered as the schedules are.
    RepeatRunner(const Clock &clock, ArmingController &controller, SettingsStore *store,
                 QObject *parent = nullptr);
    ~RepeatRunner() override;

    const std::vector<RepeatSchedule> &schedules() const { return m_schedules; }
    // Plans anew, at once: emits changed() when the next or the missed occurrence changed,
    // and the controller's signals when an occurrence in its last ArmLeadMs is armed (or
    // disarmed: one armed already is armed afresh when still due). Occurrences since each
    // schedule's settledUntil that have passed are missed. Save the list as schedules()
    // gives it afterwards: its records are filled in.
    void setSchedules(std::vector<RepeatSchedule> schedules);

    // The next occurrence and the schedule it belongs to; invalid and -1 when none is due.
    QDateTime next() const { return m_next; }
    int nextIndex() const { return m_nextIndex; }
    // The last occurrence missed, until an occurrence is carried out or cancelled.
    QDateTime missed() const { return m_missed; }
    // "Next: Monday 23:30 — Turn off computer", and "Missed: Sunday 23:30" below when one
    // was missed; empty when neither.
    QString toolTip() const;

    static constexpr qint64 ArmLeadMs = 70 * 1000;

signals:
    // next(), nextIndex() or missed() changed.
    void changed();

private:
    void plan();
    bool armFor(const QDateTime &occurrence, int index);
    void onStateChanged(ArmingController::State state);
    void onTicked();
    // Every schedule with an occurrence at `at` is settled up to it.
    void settle(const QDateTime &at);
    void record(std::size_t index, const QDateTime &at);
    void publish(const QDateTime &next, int index, const QDateTime &missed);

    const Clock &m_clock;
    ArmingController &m_controller;
    SettingsStore *m_store;
    std::unique_ptr<Alarm> m_alarm;
    std::unique_ptr<WallAlarm> m_wallAlarm;
    std::vector<RepeatSchedule> m_schedules;
    QDateTime m_next;
    int m_nextIndex = -1;
    QDateTime m_missed;
    // The controller holds m_occurrence for us, due at m_due (moved on by a postpone) when the
    // clock shows m_target (hhmmss).
    bool m_armed = false;
    QDateTime m_occurrence;
    QDateTime m_due;
    int m_target = 0;
};
