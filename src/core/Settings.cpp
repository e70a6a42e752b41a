#include "core/Settings.h"

#include "core/SettingsStore.h"
#include "core/TimeText.h"

#include <algorithm>
#include <cmath>

namespace SettingsKeys {
QString application()
{
    return QStringLiteral("Orvanta");
}
QString section()
{
    return QStringLiteral("Settings");
}
QString action()
{
    return QStringLiteral("Action");
}
QString force()
{
    return QStringLiteral("Force");
}
QString timeSetting()
{
    return QStringLiteral("TimeSetting");
}
QString countDown(int index)
{
    return QStringLiteral("CountDown") + QString::number(index);
}
QString warning()
{
    return QStringLiteral("Warning");
}
QString time(int index)
{
    return QStringLiteral("Time") + QString::number(index);
}
} // namespace SettingsKeys

QString SettingsDefaults::text(int value)
{
    return QString::number(value);
}

std::vector<std::pair<QString, QString>> settingsToSave(const SavedChoices &choices)
{
    std::vector<std::pair<QString, QString>> writes;
    if (choices.action >= 0)
        writes.emplace_back(SettingsKeys::action(), QString::number(choices.action));
    writes.emplace_back(SettingsKeys::force(), QString::number(choices.force));
    if (choices.timeSetting >= 0)
        writes.emplace_back(SettingsKeys::timeSetting(), QString::number(choices.timeSetting));
    for (int i = 0; i < 3; ++i) {
        writes.emplace_back(SettingsKeys::countDown(i), choices.countDown[i]);
        writes.emplace_back(SettingsKeys::time(i), choices.time[i]);
    }
    writes.emplace_back(SettingsKeys::warning(), QString::number(choices.warning));
    return writes;
}

std::optional<int> storedWholeNumber(const QString &stored, int maximum)
{
    const std::optional<double> value = parseTimeNumber(stored);
    if (!value || *value != std::trunc(*value) || *value < 0 || *value > maximum)
        return std::nullopt;
    return static_cast<int>(*value);
}

int loadedAction(const QString &stored)
{
    return storedWholeNumber(stored, 2).value_or(SettingsDefaults::Action);
}

int loadedForce(const QString &stored)
{
    return storedWholeNumber(stored, 2).value_or(SettingsDefaults::Force);
}

int loadedTimeSetting(const QString &stored)
{
    return storedWholeNumber(stored, 1).value_or(SettingsDefaults::TimeSetting);
}

int loadedSpinnerValue(const QString &stored, int maximum)
{
    // Clamped as a double first: the whole number of a huge text does not fit an int.
    const double whole = roundHalfEven(timeNumberOrZero(stored));
    return static_cast<int>(std::clamp(whole, 0.0, static_cast<double>(std::max(maximum, 0))));
}

SavedChoices loadChoices(SettingsStore &store)
{
    const auto stored = [&store](const QString &key, int defaultValue) {
        return store.value(key, SettingsDefaults::text(defaultValue));
    };
    SavedChoices choices;
    choices.action = loadedAction(stored(SettingsKeys::action(), SettingsDefaults::Action));
    choices.force = loadedForce(stored(SettingsKeys::force(), SettingsDefaults::Force));
    choices.timeSetting =
        loadedTimeSetting(stored(SettingsKeys::timeSetting(), SettingsDefaults::TimeSetting));
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        choices.countDown[at] = stored(SettingsKeys::countDown(i), SettingsDefaults::Field);
        choices.time[at] = stored(SettingsKeys::time(i), SettingsDefaults::Field);
    }
    choices.warning =
        storedWholeNumber(stored(SettingsKeys::warning(), SettingsDefaults::Warning), 1)
            .value_or(SettingsDefaults::Warning);
    return choices;
}

bool saveChoices(SettingsStore &store, const SavedChoices &choices, QString *error)
{
    return store.save(settingsToSave(choices), error);
}
