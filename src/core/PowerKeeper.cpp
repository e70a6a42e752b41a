#include "core/PowerKeeper.h"

#include "core/ArmedTime.h"
#include "core/ArmingService.h"
#include "core/AwakeHold.h"
#include "core/Clock.h"
#include "core/ScheduleRunner.h"
#include "core/WakeAlarm.h"

#include <QCoreApplication>

#include <algorithm>

PowerKeeper::PowerKeeper(const Clock &clock, AwakeHold *awake, WakeAlarm *wake,
                         const ArmingController &hand, const ArmingController &scheduled,
                         const ScheduleRunner *runner)
    : m_clock(clock), m_awake(awake), m_wake(wake), m_hand(hand), m_scheduled(scheduled),
      m_runner(runner)
{
    if (m_awake) {
        for (const ArmingController *controller : {&m_hand, &m_scheduled})
            connect(controller, &ArmingController::stateChanged, this, &PowerKeeper::updateAwake);
    }
    if (m_wake) {
        // A wake left by a run that crashed would wake the computer for nothing.
        m_wake->clearLeftovers();
        for (const ArmingController *controller : {&m_hand, &m_scheduled}) {
            connect(controller, &ArmingController::stateChanged, this, &PowerKeeper::updateWake);
            connect(controller, &ArmingController::ordered, this, &PowerKeeper::updateWake);
            // Postponing says so by a tick.
            connect(controller, &ArmingController::ticked, this, &PowerKeeper::updateWake);
        }
        if (m_runner)
            connect(m_runner, &ScheduleRunner::changed, this, &PowerKeeper::updateWake);
    }
}

PowerKeeper::~PowerKeeper()
{
    // Nothing is left to act once the program ends: no wake for it either.
    if (m_wake && m_wakeFor.isValid())
        m_wake->clear();
}

QString PowerKeeper::wakeWhyNot() const
{
    if (!m_wake)
        return QCoreApplication::translate("ArmingService",
                                           "This system cannot wake the computer at a time.");
    return m_wakeWhyNot;
}

void PowerKeeper::setWarningLead(int seconds)
{
    m_warningLead = seconds;
    if (m_wake && m_wakeFor.isValid()) {
        m_wakeFor = {};
        updateWake();
    }
}

void PowerKeeper::updateWake()
{
    QDateTime due;
    const auto consider = [&due](const QDateTime &at) {
        if (at.isValid() && (!due.isValid() || at < due))
            due = at;
    };
    for (const ArmingController *controller : {&m_hand, &m_scheduled})
        if (controller->state() == ArmingController::State::Armed && controller->order().wake &&
            !controller->condition())
            consider(controller->armedTime().dueAt());
    // Until shortly before its occurrence a schedule arms nothing; the wake comes earlier.
    if (m_runner && m_scheduled.state() == ArmingController::State::Idle && m_runner->nextWakes())
        consider(m_runner->next());
    if (due == m_wakeFor)
        return;
    m_wakeFor = due;
    if (!due.isValid()) {
        m_wake->clear();
        return;
    }
    // Armed less than the lead before its time: woken as soon as may be, if still before it.
    const QDateTime soonest = m_clock.now().addSecs(10);
    const QDateTime wakeAt = std::max(
        due.addSecs(-std::max(ArmingService::WakeLeadSeconds, m_warningLead + 60)), soonest);
    if (wakeAt < due)
        m_wake->set(wakeAt);
    else
        m_wake->clear();
}

void PowerKeeper::setKeepAwake(bool on)
{
    m_keepAwake = on;
    updateAwake();
}

void PowerKeeper::updateAwake()
{
    if (!m_awake)
        return;
    using State = ArmingController::State;
    // A wait goes on while nobody is at the computer: it always keeps it awake. So does a
    // time the computer is woken for: after a wake nobody is at, the system sleeps again soon.
    const auto needs = [this](const ArmingController &c) {
        // The user's command before the action is a job like a wait's.
        return c.state() == State::Waiting || c.state() == State::Running ||
               (c.state() == State::Armed && (m_keepAwake || c.condition() || c.order().wake));
    };
    const bool requesting =
        m_hand.state() == State::Requesting || m_scheduled.state() == State::Requesting;
    if (!requesting && (needs(m_hand) || needs(m_scheduled)))
        m_awake->hold(QCoreApplication::translate("ArmingService", "An action is armed for later"));
    else
        m_awake->release([] {});
}

QString PowerKeeper::awakeNote() const
{
    return m_awake && !m_awake->holder().isEmpty()
               ? QCoreApplication::translate("ArmingService",
                                             "The computer is kept awake until then.")
               : QString();
}
