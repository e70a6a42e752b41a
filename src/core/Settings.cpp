#include "core/Settings.h"

#include "core/SettingsStore.h"
#include "core/TimeText.h"

#include <algorithm>
#include <cmath>

QString SettingsKeys::application()
{
    return QStringLiteral("Orvanta");
}

QString SettingsKeys::section()
{
    return QStringLiteral("Settings");
}

namespace {

// One key: its name, the text a missing key stands for, how a stored text is taken into
// the choices, and the text written for them (nothing: the key is left as it is).
template <typename Values> struct Row
{
    const char *key;
    const char *missing;
    void (*read)(Values &values, const QString &stored);
    std::optional<QString> (*write)(const Values &values);
};

// An enumeration stored as its value, 0..maximum.
template <typename Enum, std::optional<Enum> Choices::*member, int maximum>
Row<Choices> enumRow(const char *key)
{
    return {key, "0",
            [](Choices &c, const QString &stored) {
                c.*member =
                    static_cast<Enum>(Settings::storedWholeNumber(stored, maximum).value_or(0));
            },
            [](const Choices &c) -> std::optional<QString> {
                if (!(c.*member))
                    return std::nullopt;
                return QString::number(static_cast<int>(*(c.*member)));
            }};
}

template <std::array<QString, 3> Choices::*member, int index> Row<Choices> fieldRow(const char *key)
{
    return {key, "0", [](Choices &c, const QString &stored) { (c.*member)[index] = stored; },
            [](const Choices &c) -> std::optional<QString> { return (c.*member)[index]; }};
}

// A yes or no, stored 1 or 0; missing or anything else gives `byDefault`. `path` leads from
// the choices to it (&Choices::keepAwake; &Choices::command, &CommandChoices::before), the
// fold "c .* ... .* path" taking each member in turn.
template <bool byDefault, auto... path> Row<Choices> flagRow(const char *key)
{
    return {key, byDefault ? "1" : "0",
            [](Choices &c, const QString &stored) {
                (c.*....*path) = Settings::storedWholeNumber(stored, 1).value_or(byDefault) == 1;
            },
            [](const Choices &c) -> std::optional<QString> {
                return QString::number((c.*....*path) ? 1 : 0);
            }};
}

// In the order the keys are written.
const std::array<Row<Choices>, 19> &table()
{
    static const std::array<Row<Choices>, 19> rows = {
        enumRow<Action, &Choices::action, ActionCount - 1>("Action"),
        Row<Choices>{"Force", "1",
                     [](Choices &c, const QString &stored) {
                         const int value = Settings::storedWholeNumber(stored, 2).value_or(1);
                         c.force = value == 1   ? Qt::Checked
                                   : value == 2 ? Qt::PartiallyChecked
                                                : Qt::Unchecked;
                     },
                     [](const Choices &c) -> std::optional<QString> {
                         return QString::number(c.force == Qt::Checked            ? 1
                                                : c.force == Qt::PartiallyChecked ? 2
                                                                                  : 0);
                     }},
        enumRow<TimeMode, &Choices::timeMode, 1>("TimeSetting"),
        fieldRow<&Choices::countdown, 0>("CountDown0"),
        fieldRow<&Choices::timeOfDay, 0>("Time0"),
        fieldRow<&Choices::countdown, 1>("CountDown1"),
        fieldRow<&Choices::timeOfDay, 1>("Time1"),
        fieldRow<&Choices::countdown, 2>("CountDown2"),
        fieldRow<&Choices::timeOfDay, 2>("Time2"),
        Row<Choices>{"Warning", "1",
                     [](Choices &c, const QString &stored) {
                         c.warningMinutes = Settings::storedWholeNumber(stored, 1).value_or(1);
                     },
                     [](const Choices &c) -> std::optional<QString> {
                         return QString::number(c.warningMinutes > 0 ? 1 : 0);
                     }},
        // After "Warning": where it holds no lead the user can choose, that one counts.
        Row<Choices>{"WarningMinutes", "",
                     [](Choices &c, const QString &stored) {
                         const std::optional<int> minutes = Settings::storedWholeNumber(stored, 60);
                         if (minutes && std::find(WarningLeads.begin(), WarningLeads.end(),
                                                  *minutes) != WarningLeads.end())
                             c.warningMinutes = *minutes;
                     },
                     [](const Choices &c) -> std::optional<QString> {
                         return QString::number(c.warningMinutes);
                     }},
        flagRow<false, &Choices::warningSound>("WarningSound"),
        // One line: a stored line break would not fit the warning's text.
        Row<Choices>{"WarningText", "",
                     [](Choices &c, const QString &stored) {
                         c.warningNote = stored.simplified().left(Settings::MaximumNoteLength);
                     },
                     [](const Choices &c) -> std::optional<QString> { return c.warningNote; }},
        flagRow<true, &Choices::keepAwake>("KeepAwake"),
        // The command line is taken as written; it is split and checked when armed.
        Row<Choices>{"Command", "",
                     [](Choices &c, const QString &stored) { c.command.line = stored; },
                     [](const Choices &c) -> std::optional<QString> { return c.command.line; }},
        flagRow<false, &Choices::command, &CommandChoices::before>("CommandBefore"),
        // In seconds; the dialog offers whole minutes.
        Row<Choices>{"CommandLimit", "3600",
                     [](Choices &c, const QString &stored) {
                         const std::optional<int> seconds =
                             Settings::storedWholeNumber(stored, CommandChoices::MaximumSeconds);
                         c.command.limitSeconds = seconds && *seconds >= 1 ? *seconds : 3600;
                     },
                     [](const Choices &c) -> std::optional<QString> {
                         return QString::number(c.command.limitSeconds);
                     }},
        flagRow<false, &Choices::command, &CommandChoices::actAtLimit>("CommandAtLimit"),
        flagRow<false, &Choices::command, &CommandChoices::actOnFailure>("CommandOnFailure"),
    };
    return rows;
}

// A number of the wait dialogs, 1..maximum; anything else leaves the default.
template <int WaitChoices::*member, int maximum> Row<WaitChoices> numberRow(const char *key)
{
    return {
        key, "",
        [](WaitChoices &w, const QString &stored) {
            if (const std::optional<int> value = Settings::storedWholeNumber(stored, maximum);
                value && *value >= 1)
                w.*member = *value;
        },
        [](const WaitChoices &w) -> std::optional<QString> { return QString::number(w.*member); }};
}

const std::array<Row<WaitChoices>, 6> &waitTable()
{
    static const std::array<Row<WaitChoices>, 6> rows = {
        Row<WaitChoices>{
            "WaitPrograms", "",
            [](WaitChoices &w, const QString &stored) {
                w.programs = stored.split(u'/', Qt::SkipEmptyParts);
            },
            [](const WaitChoices &w) -> std::optional<QString> { return w.programs.join(u'/'); }},
        numberRow<&WaitChoices::quietMinutes, WaitChoices::MaximumMinutes>("QuietMinutes"),
        numberRow<&WaitChoices::cpuPercent, WaitChoices::MaximumPercent>("QuietCPU"),
        numberRow<&WaitChoices::diskKBps, WaitChoices::MaximumKBps>("QuietDisk"),
        numberRow<&WaitChoices::networkKBps, WaitChoices::MaximumKBps>("QuietNetwork"),
        numberRow<&WaitChoices::idleMinutes, WaitChoices::MaximumMinutes>("IdleMinutes"),
    };
    return rows;
}

template <typename Values, std::size_t size>
Values loadRows(SettingsStore &store, const std::array<Row<Values>, size> &rows)
{
    Values values;
    for (const Row<Values> &row : rows)
        row.read(values, store.value(QLatin1String(row.key), QLatin1String(row.missing)));
    return values;
}

template <typename Values, std::size_t size>
bool saveRows(SettingsStore &store, const std::array<Row<Values>, size> &rows, const Values &values,
              QString *error)
{
    SettingsStore::Entries entries;
    for (const Row<Values> &row : rows)
        if (const std::optional<QString> text = row.write(values))
            entries.emplace_back(QLatin1String(row.key), *text);
    return store.save(entries, error);
}

} // namespace

Choices Settings::load(SettingsStore &store)
{
    return loadRows(store, table());
}

bool Settings::save(SettingsStore &store, const Choices &choices, QString *error)
{
    return saveRows(store, table(), choices, error);
}

WaitChoices Settings::loadWaits(SettingsStore &store)
{
    return loadRows(store, waitTable());
}

bool Settings::saveWaits(SettingsStore &store, const WaitChoices &waits, QString *error)
{
    return saveRows(store, waitTable(), waits, error);
}

std::optional<int> Settings::storedWholeNumber(const QString &stored, int maximum)
{
    const std::optional<double> value = TimeText::parseTimeNumber(stored);
    if (!value || *value != std::trunc(*value) || *value < 0 || *value > maximum)
        return std::nullopt;
    return static_cast<int>(*value);
}

int Settings::loadedSpinnerValue(const QString &stored, int maximum)
{
    // Clamped as a double first: the whole number of a huge text does not fit an int.
    const double whole = TimeText::roundHalfEven(TimeText::timeNumberOrZero(stored));
    return static_cast<int>(std::clamp(whole, 0.0, static_cast<double>(std::max(maximum, 0))));
}
