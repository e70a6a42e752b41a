#include "core/ScheduleRule.h"

#include "core/Log.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <bit>

namespace {

// A class, not a lambda, so that lupdate files the texts under their context.
struct ScheduleTexts
{
    Q_DECLARE_TR_FUNCTIONS(ScheduleRule)
};

constexpr qint64 DayMs = 24 * 3600 * 1000;

// The command line's day names, Monday first.
constexpr std::array<const char *, 7> DayNames = {"monday", "tuesday",  "wednesday", "thursday",
                                                  "friday", "saturday", "sunday"};

// The instant `ms` in the time zone of `like`.
QDateTime instantLike(const QDateTime &like, qint64 ms)
{
    QDateTime at = like;
    at.setMSecsSinceEpoch(ms);
    return at;
}

int offsetAt(const QDateTime &like, qint64 ms)
{
    return instantLike(like, ms).offsetFromUtc();
}

// The first instant at which the clock of like's time zone shows `time` on `date`; in the
// gap the clock jumps over when daylight saving time begins, the instant of the jump.
QDateTime instantOf(QDate date, QTime time, const QDateTime &like)
{
    // The clock face read as UTC.
    const qint64 face = (date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * DayMs +
                        time.msecsSinceStartOfDay();
    // A day either side is past any change of offset that concerns this face.
    const int before = offsetAt(like, face - DayMs);
    const int after = offsetAt(like, face + DayMs);
    std::optional<qint64> first;
    for (const int offset : {before, after}) {
        const qint64 at = face - offset * qint64(1000);
        if (offsetAt(like, at) == offset && (!first || at < *first))
            first = at;
    }
    if (first)
        return instantLike(like, *first);
    if (after <= before) // no gap after all: nothing sensible to find
        return instantLike(like, face - after * qint64(1000));
    // Skipped: the change lies between these two instants.
    qint64 low = face - after * qint64(1000);
    qint64 high = face - before * qint64(1000);
    while (high - low > 1) {
        const qint64 middle = low + (high - low) / 2;
        (offsetAt(like, middle) == after ? high : low) = middle;
    }
    return instantLike(like, high);
}

int dayIndex(QStringView name)
{
    const QString lower = name.toString().toLower();
    if (lower.size() < 3)
        return -1;
    for (int i = 0; i < 7; ++i)
        if (QLatin1String(DayNames[std::size_t(i)]).startsWith(lower))
            return i;
    return -1;
}

std::optional<quint8> parseDays(QStringView text)
{
    if (text.compare(u"daily", Qt::CaseInsensitive) == 0)
        return ScheduleRule::EveryDay;
    quint8 days = 0;
    for (const QStringView part : text.split(u',')) {
        const QList<QStringView> ends = part.split(u'-');
        if (ends.size() > 2)
            return std::nullopt;
        const int first = dayIndex(ends.front());
        const int last = dayIndex(ends.back());
        if (first < 0 || last < 0)
            return std::nullopt;
        for (int day = first;; day = (day + 1) % 7) {
            days |= quint8(1 << day);
            if (day == last)
                break;
        }
    }
    return days;
}

bool parseTime(QStringView text, int *hour, int *minute)
{
    const QList<QStringView> parts = text.split(u':');
    if (parts.size() != 2 || parts[0].isEmpty() || parts[0].size() > 2 || parts[1].size() != 2)
        return false;
    for (const QStringView part : parts)
        for (const QChar ch : part)
            if (ch < u'0' || ch > u'9')
                return false;
    *hour = parts[0].toInt();
    *minute = parts[1].toInt();
    return *hour < 24 && *minute < 60;
}

QString dayName(int index, QLocale::FormatType format)
{
    return QLocale().dayName(index + 1, format);
}

QString scheduleKey(int index)
{
    return QStringLiteral("Schedule%1").arg(index + 1);
}

QString settledKey(int index)
{
    return scheduleKey(index) + QStringLiteral("Settled");
}

// No record, no value.
std::optional<QString> settledText(const QDateTime &settledUntil)
{
    if (!settledUntil.isValid())
        return std::nullopt;
    return settledUntil.toUTC().toString(Qt::ISODate);
}

std::optional<ScheduleRule> parseStored(const QString &text)
{
    const QStringList parts = text.split(u'|');
    if (parts.size() < 4 || parts.size() > 5 || (parts[3] != u"on" && parts[3] != u"off") ||
        (parts.size() == 5 && parts[4] != u"wake"))
        return std::nullopt;
    const std::optional<int> action = Settings::storedWholeNumber(parts[1], PowerActionCount - 1);
    const std::optional<int> force = Settings::storedWholeNumber(parts[2], 1);
    QString error;
    std::optional<ScheduleRule> rule = ScheduleRules::parse(parts[0], &error);
    if (!rule || !action || !force)
        return std::nullopt;
    rule->action = Action(*action);
    rule->force = *force == 1;
    rule->enabled = parts[3] == u"on";
    rule->wake = parts.size() == 5;
    return rule;
}

} // namespace

bool ScheduleRule::isValid() const
{
    return days != 0 && days <= EveryDay && hour >= 0 && hour < 24 && minute >= 0 && minute < 60;
}

namespace ScheduleRules {

QDateTime nextOccurrence(const ScheduleRule &rule, const QDateTime &after)
{
    if (!rule.isValid() || !after.isValid())
        return {};
    const QTime time(rule.hour, rule.minute);
    // An occurrence lies on its own date, even one moved to the end of a skipped hour.
    for (QDate date = after.date(), end = date.addDays(7); date <= end; date = date.addDays(1)) {
        if (!rule.occursOn(date.dayOfWeek()))
            continue;
        const QDateTime at = instantOf(date, time, after);
        if (at > after)
            return at;
    }
    return {};
}

QDateTime lastOccurrence(const ScheduleRule &rule, const QDateTime &notAfter)
{
    if (!rule.isValid() || !notAfter.isValid())
        return {};
    const QTime time(rule.hour, rule.minute);
    for (QDate date = notAfter.date(), end = date.addDays(-7); date >= end;
         date = date.addDays(-1)) {
        if (!rule.occursOn(date.dayOfWeek()))
            continue;
        const QDateTime at = instantOf(date, time, notAfter);
        if (at <= notAfter)
            return at;
    }
    return {};
}

QString daysText(quint8 days)
{
    days &= ScheduleRule::EveryDay;
    if (days == ScheduleRule::EveryDay)
        return ScheduleTexts::tr("Every day");
    const int count = std::popcount(days);
    const auto has = [days](int day) { return (days >> ((day + 7) % 7) & 1) != 0; };
    QList<int> chosen;
    for (int day = 0; day < 7; ++day)
        if (has(day))
            chosen << day;
    if (count == 1)
        return ScheduleTexts::tr("Every %1").arg(dayName(chosen[0], QLocale::LongFormat));
    if (count == 2)
        return ScheduleTexts::tr("%1 and %2")
            .arg(dayName(chosen[0], QLocale::LongFormat), dayName(chosen[1], QLocale::LongFormat));
    // One run of days, maybe past Sunday ("Friday to Monday"): the days after a day chosen
    // whose day before is not.
    int starts = 0, first = 0;
    for (const int day : chosen)
        if (!has(day - 1)) {
            ++starts;
            first = day;
        }
    if (count > 2 && starts == 1)
        return ScheduleTexts::tr("%1 to %2")
            .arg(dayName(first, QLocale::LongFormat),
                 dayName((first + count - 1) % 7, QLocale::LongFormat));
    QStringList names;
    for (const int day : chosen)
        names << dayName(day, QLocale::ShortFormat);
    return names.join(ScheduleTexts::tr(", "));
}

QString occurrenceText(const QDateTime &at, const QDateTime &now)
{
    const QString day = QLocale().dayName(at.date().dayOfWeek(), QLocale::LongFormat);
    const QString time = at.time().toString(QStringLiteral("HH:mm"));
    if (now.isValid() && now.date().daysTo(at.date()) > 6)
        return ScheduleTexts::tr("%1 %2 %3", "weekday, date, time")
            .arg(day,
                 QLocale().toString(at.date(), ScheduleTexts::tr("d MMMM", "day and month, as "
                                                                           "QDate::toString "
                                                                           "spells them")),
                 time);
    return ScheduleTexts::tr("%1 %2", "weekday, time").arg(day, time);
}

QString toolTipLine(const ScheduleRule &rule, const QDateTime &next, const QDateTime &now)
{
    return ScheduleTexts::tr("Next: %1 \u2014 %2")
        .arg(occurrenceText(next, now), PowerTexts::actionCaption(rule.action));
}

QString missedLine(const QDateTime &missed)
{
    return ScheduleTexts::tr("Missed: %1").arg(occurrenceText(missed));
}

std::optional<ScheduleRule> parse(const QString &text, QString *error, const ScheduleRule &base)
{
    // "sat, sun 10:00" as typed, and as a settings file hand-written without quotes reads
    // back: the days are one word.
    static const QRegularExpression joined(QStringLiteral("\\s*([,-])\\s*"));
    const QStringList words =
        text.simplified().replace(joined, QStringLiteral("\\1")).split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 2) {
        *error = ScheduleTexts::tr("\"%1\" is no repeating time: give the days and the time, as in "
                                   "\"mon-fri 23:30\"")
                     .arg(text);
        return std::nullopt;
    }
    ScheduleRule rule = base;
    const std::optional<quint8> days = parseDays(words[0]);
    if (!days) {
        *error = ScheduleTexts::tr("\"%1\" names no days: use mon, tue, wed, thu, fri, sat, sun, "
                                   "ranges such as mon-fri, lists such as sat,sun, or daily")
                     .arg(words[0]);
        return std::nullopt;
    }
    rule.days = *days;
    if (!parseTime(words[1], &rule.hour, &rule.minute)) {
        *error = ScheduleTexts::tr("\"%1\" is no time of day: use hours 0 to 23 and minutes 00 to "
                                   "59, as in 23:30")
                     .arg(words[1]);
        return std::nullopt;
    }
    return rule;
}

QString format(const ScheduleRule &rule)
{
    QStringList parts;
    if ((rule.days & ScheduleRule::EveryDay) == ScheduleRule::EveryDay)
        parts << QStringLiteral("daily");
    if (parts.isEmpty()) {
        const auto name = [](int day) { return QLatin1String(DayNames[std::size_t(day)], 3); };
        for (int day = 0; day < 7;) {
            if (!rule.occursOn(day + 1)) {
                ++day;
                continue;
            }
            int last = day;
            while (last + 1 < 7 && rule.occursOn(last + 2))
                ++last;
            if (last - day >= 2)
                parts << name(day) + u'-' + name(last);
            else
                for (int single = day; single <= last; ++single)
                    parts << name(single);
            day = last + 1;
        }
    }
    return QStringLiteral("%1 %2:%3")
        .arg(parts.join(u','))
        .arg(rule.hour, 2, 10, QLatin1Char('0'))
        .arg(rule.minute, 2, 10, QLatin1Char('0'));
}

std::vector<StoredSchedule> load(SettingsStore &store)
{
    std::vector<StoredSchedule> schedules;
    for (int index = 0; index < MaximumCount; ++index) {
        const QString text = store.value(scheduleKey(index), QString());
        if (text.isEmpty())
            continue;
        const std::optional<ScheduleRule> rule = parseStored(text);
        if (!rule) {
            qCWarning(lcOrvanta, "%s=%s is no schedule; it is left out",
                      qPrintable(scheduleKey(index)), qPrintable(text));
            continue;
        }
        QDateTime settled =
            QDateTime::fromString(store.value(settledKey(index), QString()), Qt::ISODate);
        schedules.push_back({*rule, settled.isValid() ? settled : QDateTime(), index});
    }
    return schedules;
}

bool save(SettingsStore &store, std::vector<StoredSchedule> &schedules, QString *error)
{
    if (schedules.size() > std::size_t(MaximumCount)) {
        *error =
            ScheduleTexts::tr("No more than %n schedule(s) can be kept.", nullptr, MaximumCount);
        return false;
    }
    std::vector<bool> taken(MaximumCount, false);
    for (const StoredSchedule &schedule : schedules)
        if (schedule.key >= 0 && schedule.key < MaximumCount)
            taken[std::size_t(schedule.key)] = true;
    SettingsStore::Entries entries;
    // A number that held a schedule no longer listed is removed with its record; one whose
    // entry is damaged is the user's to mend, and never given to a new schedule.
    for (int index = 0; index < MaximumCount; ++index) {
        const QString text = store.value(scheduleKey(index), QString());
        if (text.isEmpty() || taken[std::size_t(index)])
            continue;
        if (parseStored(text)) {
            entries.emplace_back(scheduleKey(index), std::nullopt);
            entries.emplace_back(settledKey(index), std::nullopt);
        } else {
            taken[std::size_t(index)] = true;
        }
    }
    int free = 0;
    for (StoredSchedule &schedule : schedules) {
        if (schedule.key < 0 || schedule.key >= MaximumCount) {
            while (free < MaximumCount && taken[std::size_t(free)])
                ++free;
            if (free == MaximumCount) {
                *error = ScheduleTexts::tr("No more than %n schedule(s) can be kept.", nullptr,
                                           MaximumCount);
                return false;
            }
            schedule.key = free;
            taken[std::size_t(free)] = true;
        }
        const ScheduleRule &rule = schedule.rule;
        entries.emplace_back(
            scheduleKey(schedule.key),
            QStringLiteral("%1|%2|%3|%4")
                    .arg(format(rule))
                    .arg(int(rule.action))
                    .arg(rule.force ? 1 : 0)
                    .arg(rule.enabled ? QStringLiteral("on") : QStringLiteral("off")) +
                (rule.wake ? QStringLiteral("|wake") : QString()));
        entries.emplace_back(settledKey(schedule.key), settledText(schedule.settledUntil));
    }
    return store.save(entries, error);
}

bool saveSettled(SettingsStore &store, const StoredSchedule &schedule, QString *error)
{
    // Not saved yet: its record goes with the schedule when it is.
    return schedule.key < 0 ||
           store.save({{settledKey(schedule.key), settledText(schedule.settledUntil)}}, error);
}

} // namespace ScheduleRules
