#include "core/TimeRules.h"

#include "core/TimeText.h"

#include <QTimeZone>

#include <limits>

int timeNumberOf(const QTime &time)
{
    return time.hour() * 10000 + time.minute() * 100 + time.second();
}

int composeTargetTime(const QString &hours, const QString &minutes, const QString &seconds)
{
    const QString joined = formatWholeNumber(timeNumberOrZero(hours), 1) +
                           formatWholeNumber(timeNumberOrZero(minutes), 2) +
                           formatWholeNumber(timeNumberOrZero(seconds), 2);
    bool ok = false;
    const qlonglong value = joined.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(value);
}

CountdownStep countdownStep(const std::array<QString, 3> &texts)
{
    CountdownStep step;
    const double seconds = timeNumberOrZero(texts[2]);
    if (seconds > 0) {
        step.writes = {{2, plainDecimal(seconds - 1)}};
        return step;
    }
    const double minutes = timeNumberOrZero(texts[1]);
    if (minutes > 0) {
        step.writes = {{1, plainDecimal(minutes - 1)}, {2, QStringLiteral("59")}};
        return step;
    }
    const double hours = timeNumberOrZero(texts[0]);
    if (hours > 0) {
        step.writes = {
            {0, plainDecimal(hours - 1)}, {1, QStringLiteral("59")}, {2, QStringLiteral("59")}};
        return step;
    }
    step.due = true;
    return step;
}

bool timeOfDayDue(int targetTime, const QDateTime &previousCheck, const QDateTime &now)
{
    if (timeNumberOf(now.time()) == targetTime)
        return true;
    const QTime target(targetTime / 10000, targetTime / 100 % 100, targetTime % 100);
    if (targetTime < 0 || !target.isValid() || !previousCheck.isValid())
        return false;
    const qint64 gap = previousCheck.msecsTo(now);
    if (gap <= 0 || gap > LateTickToleranceMs)
        return false;
    // The latest start of the target second at or before now.
    QDateTime start(now.date(), target, now.timeZone());
    if (start > now)
        start = QDateTime(now.date().addDays(-1), target, now.timeZone());
    return start > previousCheck && start <= now;
}
