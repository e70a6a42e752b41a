#pragma once

#include "core/ArmingController.h"
#include "core/ScheduleRule.h"

#include <QDateTime>
#include <QObject>

#include <algorithm>
#include <memory>
#include <vector>

class Alarm;
class WallAlarm;
class Clock;
class SettingsStore;

// Runs the repeating schedules through an ArmingController of their own, beside the one the
// user arms by hand. While the next occurrence is far it only sets an alarm on the wall clock
// (which also goes off after a sleep, and where the platform can, when the clock or its zone
// is set, so the plan is looked at again); ArmLeadMs (more with a longer warning) before the
// occurrence it arms the
// controller for that moment in real time, so the warning minute, Postpone and Cancel are the
// usual ones and count real seconds (Cancel skips this occurrence; the schedule stays). Once
// the request goes out or the controller is Idle again, the occurrence is settled, written to
// the store, and the next one planned. A request the system leaves unanswered is reported and
// given up, so that the next occurrence is armed all the same.
//
// Never late, never twice: an occurrence passed while the program did not run, the computer
// slept, or the clock was set past it (beyond the late tick's grace) is missed, not carried
// out late; missed() names it. A settled occurrence never comes again, after a restart or a
// clock set back either. Schedules due at the same moment go out as one request: the action
// that ends most (see weight()); the others are named in the tool tip, never dropped unsaid.
//
// Signals come only from the event loop or from the calls below that say so, never from the
// constructor: whoever makes the runner can connect first.
class ScheduleRunner final : public QObject
{
    Q_OBJECT
public:
    // `controller` is armed by this runner only. `store` (may be null) receives the record of
    // every occurrence settled (ScheduleRules::saveSettled), under each schedule's key.
    ScheduleRunner(const Clock &clock, ArmingController &controller, SettingsStore *store,
                   QObject *parent = nullptr);
    ~ScheduleRunner() override;

    const std::vector<StoredSchedule> &schedules() const { return m_schedules; }
    // Plans anew, at once: emits changed() when the next or the missed occurrence changed.
    // An occurrence armed (or postponed) already stays as it is while its schedule is listed
    // unchanged; else it is disarmed. Occurrences since each schedule's settledUntil that
    // have passed are missed; a record more than a day ahead of the clock is damaged and
    // counts as none. Save the list as schedules() gives it afterwards: its records are
    // filled in.
    void setSchedules(std::vector<StoredSchedule> schedules);

    // The next occurrence and the schedule it belongs to; invalid and -1 when none is due.
    QDateTime next() const { return m_next; }
    int nextIndex() const { return m_nextIndex; }
    // Whether a schedule due at next() wakes the computer for it.
    bool nextWakes() const;
    // The occurrence armed now (in its warning minute or about to be); invalid when none.
    QDateTime armedOccurrence() const { return m_armed ? m_occurrence : QDateTime(); }
    // The first occurrence of any schedule that is on, strictly after `after`.
    QDateTime nextAfter(const QDateTime &after) const;
    // The last occurrence missed, until an occurrence is carried out or cancelled.
    QDateTime missed() const { return m_missed; }
    // "Next: Monday 23:30 — Turn off computer" (and where given more time, when it comes
    // now), and "Missed: Sunday 23:30" below when one was missed; empty when neither.
    QString toolTip() const;
    // How long before the action its warning comes: the occurrence is armed before that.
    void setWarningLeadMs(qint64 ms);

    static constexpr qint64 ArmLeadMs = 70 * 1000;
    // A record further ahead than this cannot come from a clock set back: it is damaged.
    static constexpr qint64 FutureRecordMs = 24 * 3600 * 1000;

signals:
    // next(), nextIndex() or missed() changed.
    void changed();

private:
    void plan();
    bool armFor(const QDateTime &occurrence);
    void onStateChanged(ArmingController::State state);
    // Every schedule with an occurrence at `at` is settled up to it.
    void settle(const QDateTime &at);
    void record(std::size_t index, const QDateTime &at);
    void publish(const QDateTime &next, int index, const QDateTime &missed);
    // The schedules on with an occurrence at `at`.
    std::vector<std::size_t> dueAt(const QDateTime &at) const;

    qint64 armLeadMs() const { return std::max(ArmLeadMs, m_warningLeadMs + 10 * 1000); }

    const Clock &m_clock;
    ArmingController &m_controller;
    qint64 m_warningLeadMs = 0;
    SettingsStore *m_store;
    std::unique_ptr<Alarm> m_alarm;
    std::unique_ptr<WallAlarm> m_wallAlarm;
    std::vector<StoredSchedule> m_schedules;
    QDateTime m_next;
    int m_nextIndex = -1;
    QDateTime m_missed;
    // The controller holds m_occurrence for us, for the schedule m_armedRule.
    bool m_armed = false;
    bool m_passed = false;
    QDateTime m_occurrence;
    ScheduleRule m_armedRule;
};
