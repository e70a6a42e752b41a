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
struct Row
{
    const char *key;
    const char *missing;
    void (*read)(Choices &choices, const QString &stored);
    std::optional<QString> (*write)(const Choices &choices);
};

// An enumeration stored as its value, 0..maximum.
template <typename Enum, std::optional<Enum> Choices::*member, int maximum>
Row enumRow(const char *key)
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

template <std::array<QString, 3> Choices::*member, int index> Row fieldRow(const char *key)
{
    return {key, "0", [](Choices &c, const QString &stored) { (c.*member)[index] = stored; },
            [](const Choices &c) -> std::optional<QString> { return (c.*member)[index]; }};
}

// In the order the keys are written.
const std::array<Row, 10> &table()
{
    static const std::array<Row, 10> rows = {
        enumRow<Action, &Choices::action, 2>("Action"),
        Row{"Force", "1",
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
        Row{"Warning", "1",
            [](Choices &c, const QString &stored) {
                c.warning = Settings::storedWholeNumber(stored, 1).value_or(1) == 1;
            },
            [](const Choices &c) -> std::optional<QString> {
                return QString::number(c.warning ? 1 : 0);
            }},
    };
    return rows;
}

} // namespace

Choices Settings::load(SettingsStore &store)
{
    Choices choices;
    for (const Row &row : table())
        row.read(choices, store.value(QLatin1String(row.key), QLatin1String(row.missing)));
    return choices;
}

bool Settings::save(SettingsStore &store, const Choices &choices, QString *error)
{
    SettingsStore::Entries entries;
    for (const Row &row : table())
        if (const std::optional<QString> text = row.write(choices))
            entries.emplace_back(QLatin1String(row.key), *text);
    return store.save(entries, error);
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
