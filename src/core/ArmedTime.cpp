#include "core/ArmedTime.h"

#include "core/TimeRules.h"
#include "core/TimeText.h"

#include <QTimeZone>

#include <algorithm>

namespace {
constexpr qint64 TickMs = 1000;
// Margin after the start of a wall-clock second, against a timer that fires a hair early.
constexpr qint64 WallSecondMarginMs = 2;
// A sleep this long between two ticks may have taken the user away from a warning.
constexpr qint64 WokeAfterMs = 1000;
} // namespace

ArmedTime::ArmedTime(const Clock &clock, QObject *parent)
    : QObject(parent), m_clock(clock), m_alarm(clock.makeAlarm([this] { tick(); }))
{
}

bool ArmedTime::accepts(TimeMode mode, const std::array<QString, 3> &fields)
{
    const auto whole = mode == TimeMode::Countdown ? TimeRules::wholeCountdown(fields)
                                                   : TimeRules::wholeTimeOfDay(fields);
    if (!whole)
        return false;
    const int target = TimeRules::composeTargetTime((*whole)[0], (*whole)[1], (*whole)[2]);
    return target != 0 && (mode == TimeMode::Countdown || TimeRules::isTimeOfDay(target));
}

bool ArmedTime::arm(TimeMode mode, const std::array<QString, 3> &fields)
{
    // A time of day that no clock shows (24:00:00, 75 minutes) would never come.
    const auto whole = mode == TimeMode::Countdown ? TimeRules::wholeCountdown(fields)
                                                   : TimeRules::wholeTimeOfDay(fields);
    if (!whole)
        return false;
    const std::array<QString, 3> &countdown = *whole;
    const int target = TimeRules::composeTargetTime(countdown[0], countdown[1], countdown[2]);
    if (target == 0 || (mode == TimeMode::TimeOfDay && !TimeRules::isTimeOfDay(target)))
        return false;
    m_mode = mode;
    m_target = target;
    m_moment = QDateTime();
    m_countdown = countdown;
    m_armed = true;
    m_armedAtMs = m_clock.monotonicMs();
    m_ticks = 0;
    m_lastCheck = m_clock.now();
    m_sleptMs = m_clock.suspendedMs();
    scheduleNext();
    m_warned = false;
    // The fields show what will be counted down or waited for.
    for (int i = 0; i < 3; ++i)
        if (countdown[static_cast<std::size_t>(i)] != fields[static_cast<std::size_t>(i)])
            emit fieldWritten(i, countdown[static_cast<std::size_t>(i)]);
    warnIfNear();
    return true;
}

bool ArmedTime::armAt(const QDateTime &moment)
{
    if (!moment.isValid())
        return false;
    m_mode = TimeMode::TimeOfDay;
    // An instant: a change of time zone or of daylight saving time moves its clock face, not
    // the moment.
    m_moment = moment.toUTC();
    m_target = TimeRules::timeNumberOf(moment.toLocalTime().time());
    m_armed = true;
    m_lastCheck = m_clock.now();
    m_sleptMs = m_clock.suspendedMs();
    scheduleNext();
    m_warned = false;
    warnIfNear();
    return true;
}

void ArmedTime::disarm()
{
    m_armed = false;
    m_target = 0;
    m_moment = QDateTime();
    m_alarm->stop();
}

qint64 ArmedTime::secondsUntilDue() const
{
    if (!m_armed)
        return -1;
    if (m_mode == TimeMode::Countdown) {
        // The tick after the fields reach 0 is the one that fires.
        const auto whole = TimeRules::wholeCountdown(m_countdown);
        return whole ? static_cast<qint64>(TimeText::timeNumberOrZero((*whole)[0]) * 3600 +
                                           TimeText::timeNumberOrZero((*whole)[1]) * 60 +
                                           TimeText::timeNumberOrZero((*whole)[2])) +
                           1
                     : 1;
    }
    if (m_moment.isValid()) {
        // Whole seconds as a clock shows them: the tick lands just after a second begins.
        const qint64 ms = m_lastCheck.msecsTo(m_moment);
        return ms <= 0 ? 0 : (ms + 999) / 1000;
    }
    const QTime target(m_target / 10000, m_target / 100 % 100, m_target % 100);
    const QTime now = m_lastCheck.time();
    const qint64 seconds = QTime(now.hour(), now.minute(), now.second()).secsTo(target);
    return seconds > 0 ? seconds : seconds + 24 * 3600;
}

QDateTime ArmedTime::dueAt() const
{
    if (!m_armed || m_mode != TimeMode::TimeOfDay)
        return {};
    if (m_moment.isValid())
        return m_moment;
    // The next time the clock shows the target, in the clock's own time zone.
    QDateTime at = m_lastCheck;
    at.setTime(QTime(m_target / 10000, m_target / 100 % 100, m_target % 100));
    return at > m_lastCheck ? at : at.addDays(1);
}

void ArmedTime::postpone(int seconds)
{
    if (!m_armed)
        return;
    m_warned = false;
    if (m_mode == TimeMode::TimeOfDay) {
        // Counted from the moment it was due at, in real seconds: the wall clock may jump
        // meanwhile (midnight, daylight saving time), the seconds left may not.
        const QDateTime due = m_moment.isValid() ? m_moment : timeOfDayMoment();
        m_moment = due.toUTC().addSecs(seconds);
        writeClockFields(m_moment);
    } else {
        // No more than the fields can show: 99:59:59.
        const qint64 total = std::min<qint64>(secondsUntilDue() - 1 + seconds, 359999);
        const std::array<QString, 3> longer = {QString::number(total / 3600),
                                               QString::number(total / 60 % 60),
                                               QString::number(total % 60)};
        for (int i = 0; i < 3; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (TimeText::timeNumberOrZero(m_countdown[at]) ==
                TimeText::timeNumberOrZero(longer[at]))
                continue;
            m_countdown[at] = longer[at];
            emit fieldWritten(i, longer[at]);
        }
    }
    warnIfNear();
}

QDateTime ArmedTime::timeOfDayMoment() const
{
    // The clock's own zone, not the process's: the same wall clock the ticks compare.
    const QTime target(m_target / 10000, m_target / 100 % 100, m_target % 100);
    const QTime now = m_lastCheck.time();
    QDateTime day = m_lastCheck;
    if (QTime(now.hour(), now.minute(), now.second()) >= target)
        day = day.addDays(1);
    day.setTime(target);
    // The first moment after the last check that the clock shows as the target, under the
    // offset of now or of that day: in the hour repeated when daylight saving time ends,
    // the first pass.
    QDateTime first;
    for (const int offset : {m_lastCheck.offsetFromUtc(), day.offsetFromUtc()}) {
        const QDateTime at(day.date(), target, Qt::OffsetFromUTC, offset);
        if (at > m_lastCheck && at.toTimeZone(m_lastCheck.timeZone()).time() == target &&
            (!first.isValid() || at < first))
            first = at;
    }
    // A time in the hour skipped when daylight saving time begins is due when the clock
    // jumps past it.
    return first.isValid() ? first : m_lastCheck.addSecs(secondsUntilDue());
}

void ArmedTime::writeClockFields(const QDateTime &moment)
{
    const QTime shown = moment.toTimeZone(m_clock.now().timeZone()).time();
    const int before = m_target;
    // The one time of day no clock shows as a target: 0:00:00 is a second later.
    m_target = std::max(1, TimeRules::timeNumberOf(shown));
    const int parts[2][3] = {{before / 10000, before / 100 % 100, before % 100},
                             {m_target / 10000, m_target / 100 % 100, m_target % 100}};
    for (int i = 0; i < 3; ++i)
        if (parts[0][i] != parts[1][i])
            emit fieldWritten(i, QString::number(parts[1][i]));
}

void ArmedTime::warnIfNear()
{
    const qint64 left = secondsUntilDue();
    if (m_warned || m_leadSeconds == 0 || left < 0 || left > m_leadSeconds)
        return;
    m_warned = true;
    emit warning(left);
}

void ArmedTime::scheduleNext()
{
    qint64 delay = 0;
    if (m_mode == TimeMode::TimeOfDay) {
        delay = TickMs - m_clock.now().time().msec() + WallSecondMarginMs;
    } else {
        const qint64 deadline = m_armedAtMs + (m_ticks + 1) * TickMs;
        delay = std::max<qint64>(0, deadline - m_clock.monotonicMs());
    }
    m_alarm->start(delay);
}

void ArmedTime::tick()
{
    if (!m_armed)
        return;
    ++m_ticks;
    // Scheduled before anyone hears of this tick: a slow listener must not delay the next.
    scheduleNext();
    const qint64 slept = m_clock.suspendedMs();
    const bool wokeInWarning = m_warned && slept - m_sleptMs >= WokeAfterMs;
    m_sleptMs = slept;
    bool isDue = false;
    if (m_moment.isValid()) {
        const QDateTime now = m_clock.now();
        const qint64 gap = m_lastCheck.msecsTo(now);
        m_lastCheck = now;
        if (now >= m_moment) {
            // Reached by a tick of ours, or by one late within the grace: due. Passed in a
            // sleep or by a clock set on: never carried out late.
            if (gap > 0 && gap <= TimeRules::LateTickToleranceMs && !wokeInWarning &&
                m_moment.msecsTo(now) <= TimeRules::LateTickToleranceMs) {
                isDue = true;
            } else {
                disarm();
                emit passed();
                return;
            }
        }
    } else if (m_mode == TimeMode::TimeOfDay) {
        const QDateTime now = m_clock.now();
        isDue = TimeRules::timeOfDayDue(m_target, m_lastCheck, now);
        m_lastCheck = now;
    } else if (!wokeInWarning) {
        const TimeRules::CountdownStep step = TimeRules::countdownStep(m_countdown);
        for (const auto &[index, text] : step.writes) {
            m_countdown[static_cast<std::size_t>(index)] = text;
            emit fieldWritten(index, text);
            // A listener may have disarmed: the rest of the step is not shown.
            if (!m_armed)
                return;
        }
        isDue = step.due;
    }
    if (!isDue) {
        if (wokeInWarning)
            warnAgain();
        warnIfNear();
        emit ticked();
        return;
    }
    disarm();
    emit due();
}

void ArmedTime::warnAgain()
{
    // Nobody may have seen the warning: its minute begins again, and a time of day passed
    // during the sleep warns again before the next day's.
    m_warned = false;
    const qint64 left = secondsUntilDue();
    if (left <= m_leadSeconds)
        postpone(int(m_leadSeconds - left));
}
