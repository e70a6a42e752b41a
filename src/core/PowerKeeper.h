#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

class ArmingController;
class AwakeHold;
class Clock;
class ScheduleRunner;
class WakeAlarm;

// The arming service's hold on the computer's power between now and the moment armed: it
// keeps the desktop from sleeping while something armed needs it, and wakes the computer
// from sleep for the first time of day armed that asks for it. It follows both controllers
// itself; the wake it set is cleared when it goes.
class PowerKeeper final : public QObject
{
    Q_OBJECT
public:
    // `awake`, `wake` and `runner` may be null: nothing is kept awake, nothing woken for,
    // no schedules.
    PowerKeeper(const Clock &clock, AwakeHold *awake, WakeAlarm *wake, const ArmingController &hand,
                const ArmingController &scheduled, const ScheduleRunner *runner);
    ~PowerKeeper() override;

    void setKeepAwake(bool on);
    // "The computer is kept awake." while it is; empty otherwise.
    QString awakeNote() const;

    // The wake alarm's answer to the service's probe.
    void setWakeWhyNot(const QString &whyNot) { m_wakeWhyNot = whyNot; }
    QString wakeWhyNot() const;
    // The wake comes before the warning: set anew for the new lead.
    void setWarningLead(int seconds);

private:
    void updateAwake();
    // Sets the wake for the first time of day armed that asks for it, or clears it.
    void updateWake();

    const Clock &m_clock;
    AwakeHold *m_awake;
    WakeAlarm *m_wake;
    const ArmingController &m_hand;
    const ArmingController &m_scheduled;
    const ScheduleRunner *m_runner;
    QString m_wakeWhyNot;
    // The time the wake is set for now (the wake comes WakeLeadSeconds before); invalid: none.
    QDateTime m_wakeFor;
    bool m_keepAwake = true;
    int m_warningLead = 60;
};
