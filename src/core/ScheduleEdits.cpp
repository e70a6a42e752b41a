#include "core/ScheduleEdits.h"

#include <QCoreApplication>
#include <QTime>

#include <algorithm>

namespace {

// A class, not a lambda, so that lupdate files the texts under their context.
struct ScheduleEditTexts
{
    Q_DECLARE_TR_FUNCTIONS(ScheduleEdits)
};

using Kind = CommandOutcome::Kind;

} // namespace

namespace ScheduleEdits {

QString describe(const ScheduleRule &rule)
{
    const QString text = ScheduleEditTexts::tr("%1 %2 — %3")
                             .arg(ScheduleRules::daysText(rule.days),
                                  QTime(rule.hour, rule.minute).toString(QStringLiteral("HH:mm")),
                                  PowerTexts::actionCaption(rule.action));
    const QString forced = rule.force ? ScheduleEditTexts::tr("%1 (Force)").arg(text) : text;
    return rule.wake ? ScheduleEditTexts::tr("%1, waking the computer").arg(forced) : forced;
}

bool anyEnabled(const std::vector<StoredSchedule> &schedules)
{
    return std::any_of(schedules.begin(), schedules.end(),
                       [](const StoredSchedule &s) { return s.rule.enabled; });
}

CommandOutcome apply(std::vector<StoredSchedule> &schedules, const ScheduleEdit &edit)
{
    const auto line = [](std::size_t index, const ScheduleRule &rule) {
        return QStringLiteral("%1  %2  %3")
            .arg(index + 1, 2)
            .arg(rule.enabled ? ScheduleEditTexts::tr("on ") : ScheduleEditTexts::tr("off"),
                 describe(rule));
    };
    switch (edit.kind) {
    case ScheduleEdit::Kind::List: {
        if (schedules.empty())
            return {Kind::Applied, ScheduleEditTexts::tr("No schedules.")};
        QStringList lines;
        for (std::size_t i = 0; i < schedules.size(); ++i)
            lines << line(i, schedules[i].rule);
        return {Kind::Applied, lines.join(QLatin1Char('\n'))};
    }
    case ScheduleEdit::Kind::Add: {
        if (schedules.size() >= std::size_t(ScheduleRules::MaximumCount))
            return {Kind::Refused, ScheduleEditTexts::tr("There are %n schedule(s) already.",
                                                         nullptr, ScheduleRules::MaximumCount)};
        ScheduleRule base;
        base.action = edit.action;
        base.force = edit.force;
        base.wake = edit.wake;
        QString why;
        const std::optional<ScheduleRule> rule = ScheduleRules::parse(edit.rule, &why, base);
        if (!rule)
            return {Kind::Refused, why};
        schedules.push_back({*rule, QDateTime()});
        return {Kind::Applied, line(schedules.size() - 1, *rule)};
    }
    case ScheduleEdit::Kind::On:
    case ScheduleEdit::Kind::Off:
    case ScheduleEdit::Kind::Remove:
        break;
    }
    if (edit.number < 1 || std::size_t(edit.number) > schedules.size())
        return {Kind::Refused, ScheduleEditTexts::tr("There is no schedule %1.").arg(edit.number)};
    const auto at = schedules.begin() + (edit.number - 1);
    if (edit.kind == ScheduleEdit::Kind::Remove) {
        const QString gone = describe(at->rule);
        schedules.erase(at);
        return {Kind::Applied, ScheduleEditTexts::tr("Removed: %1").arg(gone)};
    }
    const bool on = edit.kind == ScheduleEdit::Kind::On;
    if (at->rule.enabled != on) {
        at->rule.enabled = on;
        at->settledUntil = QDateTime(); // switched on: counts from now
    }
    return {Kind::Applied, line(std::size_t(edit.number - 1), at->rule)};
}

QString refusal(const std::vector<StoredSchedule> &schedules, const ScheduleEdit &edit,
                const Capabilities &capabilities, const QString &wakeWhyNot)
{
    Action action = edit.action;
    bool wake = edit.wake;
    if (edit.kind == ScheduleEdit::Kind::On) {
        if (edit.number < 1 || std::size_t(edit.number) > schedules.size())
            return QString(); // apply() says there is no such schedule
        action = schedules[std::size_t(edit.number - 1)].rule.action;
        wake = schedules[std::size_t(edit.number - 1)].rule.wake;
    } else if (edit.kind != ScheduleEdit::Kind::Add) {
        return QString();
    }
    const Capability &can = capabilities[static_cast<std::size_t>(action)];
    if (!can.possible)
        return can.reason;
    return wake ? wakeWhyNot : QString();
}

} // namespace ScheduleEdits
