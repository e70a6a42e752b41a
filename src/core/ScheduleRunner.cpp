#include "core/ScheduleRunner.h"

#include "core/ArmedTime.h"
#include "core/Clock.h"
#include "core/Log.h"

#include <QStringList>
#include <QTimeZone>

#include <algorithm>

ScheduleRunner::ScheduleRunner(const Clock &clock, ArmingController &controller,
                               SettingsStore *store, QObject *parent)
    : QObject(parent), m_clock(clock), m_controller(controller), m_store(store),
      m_alarm(clock.makeAlarm([this] { plan(); })),
      m_wallAlarm(clock.makeWallAlarm([this] { plan(); }))
{
    connect(&m_controller, &ArmingController::stateChanged, this, &ScheduleRunner::onStateChanged);
    connect(&m_controller, &ArmingController::passedUnseen, this, [this] { m_passed = true; });
    // Given more time: the tool tip says when it comes now.
    connect(&m_controller, &ArmingController::moved, this, &ScheduleRunner::changed);
    // Not refused, not carried out as far as anybody knows: said by the owner, and given up
    // here, so that the next occurrence is not lost to it.
    connect(&m_controller, &ArmingController::unanswered, this, [this] {
        if (m_armed)
            m_controller.abandon();
    });
}

ScheduleRunner::~ScheduleRunner() = default;

void ScheduleRunner::setSchedules(std::vector<StoredSchedule> schedules)
{
    const QDateTime now = m_clock.now();
    m_schedules = std::move(schedules);
    // The occurrence armed stays, with its postponing, while its schedule is listed unchanged.
    const bool armedListed =
        m_armed && std::any_of(m_schedules.begin(), m_schedules.end(),
                               [this](const auto &s) { return s.rule == m_armedRule; });
    if (m_armed && !armedListed && m_controller.state() == ArmingController::State::Armed) {
        m_armed = false;
        m_controller.stop();
    }
    for (std::size_t i = 0; i < m_schedules.size(); ++i) {
        StoredSchedule &schedule = m_schedules[i];
        if (schedule.settledUntil.isValid() &&
            now.msecsTo(schedule.settledUntil) > FutureRecordMs) {
            qCWarning(lcOrvanta).noquote()
                << QStringLiteral("The record of schedule %1 (%2) lies in the future: it is "
                                  "damaged and counts from now")
                       .arg(ScheduleRules::format(schedule.rule),
                            schedule.settledUntil.toString(Qt::ISODate));
            schedule.settledUntil = QDateTime();
        }
        if (!schedule.settledUntil.isValid())
            record(i, now);
    }
    // The next may keep its time and change its action: the tool tip changes all the same.
    // One armed already stays the next; it is found again in the new list.
    if (m_armed && m_controller.state() != ArmingController::State::Idle) {
        const std::vector<std::size_t> due = dueAt(m_occurrence);
        m_nextIndex = due.empty() ? -1 : int(due.front());
        emit changed();
        return;
    }
    m_nextIndex = -1;
    plan();
}

std::vector<std::size_t> ScheduleRunner::dueAt(const QDateTime &at) const
{
    std::vector<std::size_t> due;
    for (std::size_t i = 0; i < m_schedules.size(); ++i)
        if (m_schedules[i].rule.enabled &&
            ScheduleRules::nextOccurrence(m_schedules[i].rule, at.addMSecs(-1)) == at)
            due.push_back(i);
    return due;
}

bool ScheduleRunner::nextWakes() const
{
    if (!m_next.isValid())
        return false;
    const std::vector<std::size_t> due = dueAt(m_next);
    return std::any_of(due.begin(), due.end(),
                       [this](std::size_t i) { return m_schedules[i].rule.wake; });
}

QDateTime ScheduleRunner::nextAfter(const QDateTime &after) const
{
    QDateTime next;
    for (const StoredSchedule &schedule : m_schedules) {
        if (!schedule.rule.enabled)
            continue;
        // A record ahead of the clock (set back since) still counts, on the clock's zone.
        QDateTime from = after;
        if (schedule.settledUntil > after)
            from.setMSecsSinceEpoch(schedule.settledUntil.toMSecsSinceEpoch());
        const QDateTime at = ScheduleRules::nextOccurrence(schedule.rule, from);
        if (at.isValid() && (!next.isValid() || at < next))
            next = at;
    }
    return next;
}

void ScheduleRunner::plan()
{
    m_alarm->stop();
    m_wallAlarm->stop();
    // Armed, or a request on its way: planned again once the controller is Idle.
    if (m_controller.state() != ArmingController::State::Idle)
        return;
    QDateTime missed = m_missed;
    for (;;) {
        const QDateTime now = m_clock.now();
        for (std::size_t i = 0; i < m_schedules.size(); ++i) {
            const StoredSchedule &schedule = m_schedules[i];
            if (!schedule.rule.enabled)
                continue;
            // Passed without us: the program did not run, the computer slept, or the clock
            // was set past it.
            const QDateTime last = ScheduleRules::lastOccurrence(schedule.rule, now);
            if (last.isValid() && last > schedule.settledUntil) {
                if (!missed.isValid() || last > missed)
                    missed = last;
                record(i, last);
            }
        }
        const QDateTime next = nextAfter(now);
        const std::vector<std::size_t> due =
            next.isValid() ? dueAt(next) : std::vector<std::size_t>();
        const int index = due.empty() ? -1 : int(due.front());
        const qint64 left = next.isValid() ? now.msecsTo(next) : -1;
        if (left > armLeadMs())
            m_wallAlarm->start(next.addMSecs(-armLeadMs()));
        if (left <= armLeadMs() && next.isValid() && !armFor(next)) {
            // The system said it cannot carry the action out: as good as missed.
            missed = next;
            settle(next);
            continue;
        }
        publish(next, index, missed);
        return;
    }
}

bool ScheduleRunner::armFor(const QDateTime &occurrence)
{
    // Due together: one request, for the action that ends most, forced if any asks for force.
    const std::vector<std::size_t> due = dueAt(occurrence);
    if (due.empty())
        return false;
    ScheduleRule chosen = m_schedules[due.front()].rule;
    for (std::size_t i : due) {
        const ScheduleRule &rule = m_schedules[i].rule;
        if (weight(rule.action) > weight(chosen.action))
            chosen = rule;
    }
    bool force = false;
    bool wake = false;
    for (std::size_t i : due) {
        force = force || (m_schedules[i].rule.action == chosen.action && m_schedules[i].rule.force);
        wake = wake || m_schedules[i].rule.wake;
    }
    m_occurrence = occurrence;
    m_armedRule = chosen;
    m_armed = true;
    m_passed = false;
    ArmOrder order;
    order.action = chosen.action;
    order.force = force;
    order.mode = TimeMode::TimeOfDay;
    order.moment = occurrence;
    order.wake = wake;
    if (m_controller.arm(order))
        return true;
    m_armed = false;
    qCWarning(lcOrvanta).noquote()
        << QStringLiteral("The schedule %1 is not armed: %2")
               .arg(ScheduleRules::format(chosen), m_controller.whyNot(chosen.action));
    return false;
}

void ScheduleRunner::onStateChanged(ArmingController::State state)
{
    if (!m_armed || state == ArmingController::State::Armed ||
        state == ArmingController::State::Waiting)
        return;
    // Requesting: settled before the session may end. Idle: carried out, refused, cancelled
    // or passed unseen; only this occurrence is skipped.
    if (m_occurrence.isValid()) {
        settle(m_occurrence);
        m_missed = m_passed ? m_occurrence : QDateTime();
        m_occurrence = QDateTime();
    }
    if (state == ArmingController::State::Idle) {
        m_armed = false;
        m_passed = false;
        // From the event loop: whoever hears of this Idle hears of it before the next arming.
        m_alarm->start(0);
    }
}

void ScheduleRunner::setWarningLeadMs(qint64 ms)
{
    m_warningLeadMs = std::max<qint64>(0, ms);
    // An occurrence already armed keeps its warning; one planned is armed early enough.
    if (m_controller.state() == ArmingController::State::Idle)
        plan();
}

void ScheduleRunner::settle(const QDateTime &at)
{
    for (std::size_t i : dueAt(at))
        if (m_schedules[i].settledUntil < at)
            record(i, at);
}

void ScheduleRunner::record(std::size_t index, const QDateTime &at)
{
    // An instant, as the store keeps it: read on a changed time zone, it still says what was
    // dealt with.
    m_schedules[index].settledUntil = at.toUTC();
    QString error;
    if (m_store && !ScheduleRules::saveSettled(*m_store, m_schedules[index], &error))
        qCWarning(lcOrvanta).noquote()
            << QStringLiteral("The record of schedule %1 is not saved: %2")
                   .arg(ScheduleRules::format(m_schedules[index].rule), error);
}

void ScheduleRunner::publish(const QDateTime &next, int index, const QDateTime &missed)
{
    if (next == m_next && index == m_nextIndex && missed == m_missed)
        return;
    m_next = next;
    m_nextIndex = index;
    m_missed = missed;
    emit changed();
}

QString ScheduleRunner::toolTip() const
{
    QStringList lines;
    if (m_nextIndex >= 0) {
        // Due together: the action that goes out, and what it leaves out.
        const std::vector<std::size_t> due = dueAt(m_next);
        ScheduleRule chosen = m_schedules[std::size_t(m_nextIndex)].rule;
        for (std::size_t i : due)
            if (weight(m_schedules[i].rule.action) > weight(chosen.action))
                chosen = m_schedules[i].rule;
        QString line = ScheduleRules::toolTipLine(chosen, m_next, m_clock.now());
        // On the clock's own zone, as the occurrence is shown.
        const QDateTime moved =
            m_armed && m_next == m_occurrence
                ? m_controller.armedTime().moment().toTimeZone(m_clock.now().timeZone())
                : QDateTime();
        if (moved.isValid() && moved != m_occurrence)
            line += tr(" (given more time: %1)")
                        .arg(ScheduleRules::occurrenceText(moved, m_clock.now()));
        QStringList left;
        for (std::size_t i : due)
            if (m_schedules[i].rule.action != chosen.action &&
                !left.contains(PowerTexts::actionCaption(m_schedules[i].rule.action)))
                left << PowerTexts::actionCaption(m_schedules[i].rule.action);
        if (!left.isEmpty())
            line += tr(" (instead of %1, due at the same time)").arg(left.join(tr(", ")));
        lines << line;
    }
    if (m_missed.isValid())
        lines << ScheduleRules::missedLine(m_missed);
    return lines.join(u'\n');
}
