#include "core/RepeatRunner.h"

#include "core/Clock.h"
#include "core/Log.h"
#include "core/Schedule.h"
#include "core/TimeRules.h"

#include <QStringList>

#include <algorithm>

namespace {

int secondsOfDay(int timeNumber)
{
    return timeNumber / 10000 * 3600 + timeNumber / 100 % 100 * 60 + timeNumber % 100;
}

} // namespace

RepeatRunner::RepeatRunner(const Clock &clock, ArmingController &controller, SettingsStore *store,
                           QObject *parent)
    : QObject(parent), m_clock(clock), m_controller(controller), m_store(store),
      m_alarm(clock.makeAlarm([this] { plan(); })),
      m_wallAlarm(clock.makeWallAlarm([this] { plan(); }))
{
    connect(&m_controller, &ArmingController::stateChanged, this, &RepeatRunner::onStateChanged);
    connect(&m_controller, &ArmingController::ticked, this, &RepeatRunner::onTicked);
}

RepeatRunner::~RepeatRunner() = default;

void RepeatRunner::setSchedules(std::vector<RepeatSchedule> schedules)
{
    // Armed from the old list: armed again below if the new one still has it.
    if (m_armed && m_controller.state() == ArmingController::State::Armed) {
        m_armed = false;
        m_controller.stop();
    }
    const QDateTime now = m_clock.now();
    m_schedules = std::move(schedules);
    for (std::size_t i = 0; i < m_schedules.size(); ++i)
        if (!m_schedules[i].settledUntil.isValid())
            record(i, now);
    // The next may keep its time and change its action: the tool tip changes all the same.
    m_nextIndex = -1;
    plan();
}

void RepeatRunner::plan()
{
    m_alarm->stop();
    m_wallAlarm->stop();
    // A request on its way: planned again once the controller is Idle.
    if (m_controller.state() != ArmingController::State::Idle)
        return;
    QDateTime missed = m_missed;
    for (;;) {
        const QDateTime now = m_clock.now();
        for (std::size_t i = 0; i < m_schedules.size(); ++i) {
            const RepeatSchedule &schedule = m_schedules[i];
            if (!schedule.rule.enabled)
                continue;
            // Passed without us: the program did not run, the computer slept, the clock was
            // set past it, or another schedule's action held the controller.
            const QDateTime last = RepeatRules::lastOccurrence(schedule.rule, now);
            if (last.isValid() && last > schedule.settledUntil) {
                if (!missed.isValid() || last > missed)
                    missed = last;
                record(i, last);
            }
        }
        QDateTime next;
        int index = -1;
        for (std::size_t i = 0; i < m_schedules.size(); ++i) {
            const RepeatSchedule &schedule = m_schedules[i];
            if (!schedule.rule.enabled)
                continue;
            // A record ahead of the clock (set back since) still counts, on the clock's zone.
            QDateTime from = now;
            if (schedule.settledUntil > now)
                from.setMSecsSinceEpoch(schedule.settledUntil.toMSecsSinceEpoch());
            const QDateTime at = RepeatRules::nextOccurrence(schedule.rule, from);
            if (at.isValid() && (!next.isValid() || at < next)) {
                next = at;
                index = int(i);
            }
        }
        const qint64 left = next.isValid() ? now.msecsTo(next) : -1;
        if (left > ArmLeadMs)
            m_wallAlarm->start(next.addMSecs(-ArmLeadMs));
        if (left <= ArmLeadMs && next.isValid() && !armFor(next, index)) {
            // The system said it cannot carry the action out: as good as missed.
            missed = next;
            settle(next);
            continue;
        }
        publish(next, index, missed);
        return;
    }
}

bool RepeatRunner::armFor(const QDateTime &occurrence, int index)
{
    const RepeatRule &rule = m_schedules[std::size_t(index)].rule;
    const QTime face = occurrence.time();
    // 0:00:00 is no target of a time of day; its first second is.
    const bool midnight = TimeRules::timeNumberOf(face) == 0;
    m_occurrence = occurrence;
    m_due = midnight ? occurrence.addSecs(1) : occurrence;
    m_target = midnight ? 1 : TimeRules::timeNumberOf(face);
    m_armed = true;
    const ArmOrder order{rule.action,
                         rule.force,
                         TimeMode::TimeOfDay,
                         {QString::number(m_target / 10000), QString::number(m_target / 100 % 100),
                          QString::number(m_target % 100)}};
    if (m_controller.arm(order))
        return true;
    m_armed = false;
    qCWarning(lcOrvanta).noquote()
        << QStringLiteral("The schedule %1 is not armed: %2")
               .arg(RepeatRules::format(rule), m_controller.whyNot(rule.action));
    return false;
}

void RepeatRunner::onStateChanged(ArmingController::State state)
{
    if (!m_armed || state == ArmingController::State::Armed ||
        state == ArmingController::State::Waiting)
        return;
    // Requesting: settled before the session may end. Idle: carried out, refused or
    // cancelled; only this occurrence is skipped.
    if (m_occurrence.isValid()) {
        settle(m_occurrence);
        m_occurrence = QDateTime();
        m_missed = QDateTime();
    }
    if (state == ArmingController::State::Idle) {
        m_armed = false;
        // From the event loop: whoever hears of this Idle hears of it before the next arming.
        m_alarm->start(0);
    }
}

void RepeatRunner::onTicked()
{
    if (!m_armed || m_controller.state() != ArmingController::State::Armed)
        return;
    // Postponed: the clock face it waits for moved on by as much.
    const int target = m_controller.schedule().targetTime();
    if (target != m_target) {
        int moved = secondsOfDay(target) - secondsOfDay(m_target);
        if (moved < 0)
            moved += 24 * 3600;
        m_due = m_due.addSecs(moved);
        m_target = target;
    }
    if (m_clock.now() < m_due)
        return;
    // The tick that passed it did not fire: slept through, or the clock was set past it. The
    // controller's schedule would wait for the same time tomorrow, which may be no day of ours.
    const QDateTime occurrence = m_occurrence;
    m_armed = false;
    m_occurrence = QDateTime();
    m_controller.stop();
    m_missed = occurrence;
    settle(occurrence);
    m_alarm->start(0);
}

void RepeatRunner::settle(const QDateTime &at)
{
    for (std::size_t i = 0; i < m_schedules.size(); ++i) {
        const RepeatSchedule &schedule = m_schedules[i];
        if (schedule.rule.enabled && schedule.settledUntil < at &&
            RepeatRules::nextOccurrence(schedule.rule, at.addMSecs(-1)) == at)
            record(i, at);
    }
}

void RepeatRunner::record(std::size_t index, const QDateTime &at)
{
    m_schedules[index].settledUntil = at;
    QString error;
    if (m_store && !RepeatRules::saveSettled(*m_store, int(index), at, &error))
        qCWarning(lcOrvanta).noquote()
            << QStringLiteral("The record of schedule %1 is not saved: %2")
                   .arg(index + 1)
                   .arg(error);
}

void RepeatRunner::publish(const QDateTime &next, int index, const QDateTime &missed)
{
    if (next == m_next && index == m_nextIndex && missed == m_missed)
        return;
    m_next = next;
    m_nextIndex = index;
    m_missed = missed;
    emit changed();
}

QString RepeatRunner::toolTip() const
{
    QStringList lines;
    if (m_nextIndex >= 0)
        lines << RepeatRules::toolTipLine(m_schedules[std::size_t(m_nextIndex)].rule, m_next);
    if (m_missed.isValid())
        lines << RepeatRules::missedLine(m_missed);
    return lines.join(u'\n');
}
