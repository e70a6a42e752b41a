#include "core/TimeRules.h"

#include "core/TimeText.h"

#include <QTimeZone>

#include <cmath>

#include <limits>

namespace TimeRules {

int timeNumberOf(const QTime &time)
{
    return time.hour() * 10000 + time.minute() * 100 + time.second();
}

int composeTargetTime(const QString &hours, const QString &minutes, const QString &seconds)
{
    const QString joined = TimeText::formatWholeNumber(TimeText::timeNumberOrZero(hours), 1) +
                           TimeText::formatWholeNumber(TimeText::timeNumberOrZero(minutes), 2) +
                           TimeText::formatWholeNumber(TimeText::timeNumberOrZero(seconds), 2);
    bool ok = false;
    const qlonglong value = joined.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(value);
}

namespace {

// The texts rewritten to the whole hours, minutes and seconds of `total` seconds, where
// that changes their value.
std::array<QString, 3> wholeFields(const std::array<QString, 3> &texts, double total)
{
    const double hours = std::floor(total / 3600);
    const double rest = total - hours * 3600;
    const double minutes = std::floor(rest / 60);
    const std::array<double, 3> whole = {hours, minutes, rest - minutes * 60};
    std::array<QString, 3> result = texts;
    for (std::size_t i = 0; i < 3; ++i)
        if (TimeText::timeNumberOrZero(texts[i]) != whole[i])
            result[i] = TimeText::plainDecimal(whole[i]);
    return result;
}

double totalSeconds(const std::array<QString, 3> &texts)
{
    return std::round(TimeText::timeNumberOrZero(texts[0]) * 3600 +
                      TimeText::timeNumberOrZero(texts[1]) * 60 +
                      TimeText::timeNumberOrZero(texts[2]));
}

} // namespace

std::optional<std::array<QString, 3>> wholeCountdown(const std::array<QString, 3> &texts)
{
    // "1", "-5", "0" is nothing anybody typed as 55 minutes.
    for (const QString &text : texts)
        if (TimeText::timeNumberOrZero(text) < 0)
            return std::nullopt;
    const double total = totalSeconds(texts);
    if (!(total > 0))
        return std::nullopt;
    return wholeFields(texts, total);
}

std::optional<std::array<QString, 3>> wholeTimeOfDay(const std::array<QString, 3> &texts)
{
    const std::array<double, 3> limits = {24, 60, 60};
    for (std::size_t i = 0; i < 3; ++i) {
        const double value = TimeText::timeNumberOrZero(texts[i]);
        if (!(value >= 0 && value < limits[i]))
            return std::nullopt;
    }
    const double total = totalSeconds(texts);
    if (!(total > 0 && total < 24 * 3600))
        return std::nullopt;
    return wholeFields(texts, total);
}

CountdownStep countdownStep(const std::array<QString, 3> &texts)
{
    CountdownStep step;
    const double seconds = TimeText::timeNumberOrZero(texts[2]);
    if (seconds > 0) {
        step.writes = {{2, TimeText::plainDecimal(seconds - 1)}};
        return step;
    }
    const double minutes = TimeText::timeNumberOrZero(texts[1]);
    if (minutes > 0) {
        step.writes = {{1, TimeText::plainDecimal(minutes - 1)}, {2, QStringLiteral("59")}};
        return step;
    }
    const double hours = TimeText::timeNumberOrZero(texts[0]);
    if (hours > 0) {
        step.writes = {{0, TimeText::plainDecimal(hours - 1)},
                       {1, QStringLiteral("59")},
                       {2, QStringLiteral("59")}};
        return step;
    }
    step.due = true;
    return step;
}

bool isTimeOfDay(int targetTime)
{
    return targetTime >= 0 &&
           QTime(targetTime / 10000, targetTime / 100 % 100, targetTime % 100).isValid();
}

bool timeOfDayDue(int targetTime, const QDateTime &previousCheck, const QDateTime &now)
{
    if (timeNumberOf(now.time()) == targetTime)
        return true;
    if (!isTimeOfDay(targetTime) || !previousCheck.isValid())
        return false;
    const qint64 gap = previousCheck.msecsTo(now);
    if (gap <= 0 || gap > LateTickToleranceMs)
        return false;
    // Crossed on the clock face: a late tick, or a second the clock skipped (the hour lost
    // when daylight saving time begins). A clock turned back crosses nothing.
    const int before = timeNumberOf(previousCheck.time());
    const int after = timeNumberOf(now.time());
    if (previousCheck.date() == now.date())
        return before < targetTime && targetTime < after;
    if (previousCheck.date().addDays(1) == now.date())
        return before < targetTime || targetTime < after;
    return false;
}

} // namespace TimeRules
