#pragma once

#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class SettingsStore;

// Where the choices of the main window live in the settings store, what a missing key
// means, and how a stored text is taken back.
namespace SettingsKeys {
QString application();        // "Orvanta"
QString section();            // "Settings"
QString action();             // "Action"
QString force();              // "Force"
QString timeSetting();        // "TimeSetting"
QString countDown(int index); // "CountDown0".."CountDown2"
QString time(int index);      // "Time0".."Time2"
QString warning();            // "Warning": 1 warns a minute before the action
} // namespace SettingsKeys

// Defaults, as the store hands them back when a key is missing.
namespace SettingsDefaults {
inline constexpr int Action = 0;      // log off
inline constexpr int Force = 1;       // ticked
inline constexpr int TimeSetting = 0; // at a specific time
inline constexpr int Field = 0;
inline constexpr int Warning = 1; // on
QString text(int value);
} // namespace SettingsDefaults

// The state of the window that is saved. An index of -1 means no member is selected.
struct SavedChoices
{
    int action = -1;
    int force = SettingsDefaults::Force;
    int timeSetting = -1;
    std::array<QString, 3> countDown;
    std::array<QString, 3> time;
    int warning = SettingsDefaults::Warning;
};

// The keys and texts to write, in the order they are written. "Action" and "TimeSetting"
// are left out when no member is selected, so the stored value stays.
std::vector<std::pair<QString, QString>> settingsToSave(const SavedChoices &choices);

// A stored index or check value is a whole number by the time fields' number rule ("2",
// " 2 ", "2.0"), from 0 to `maximum`. Anything else — "x", "1.5", "-1", "7", "99999" —
// counts as missing and gives nothing, so the caller uses the default.
std::optional<int> storedWholeNumber(const QString &stored, int maximum);

int loadedAction(const QString &stored);      // 0..2, else the default
int loadedForce(const QString &stored);       // 0, 1 or 2 (grey), else the default
int loadedTimeSetting(const QString &stored); // 0..1, else the default

// The value a spinner takes from a stored field text: rounded half to even and clamped
// into 0..maximum; a text that is not a number gives 0. The field itself keeps the text.
int loadedSpinnerValue(const QString &stored, int maximum);

// The choices as the store holds them: indexes and the check value validated (else their
// defaults), field texts verbatim (the fields are checked when the user leaves them).
SavedChoices loadChoices(SettingsStore &store);
bool saveChoices(SettingsStore &store, const SavedChoices &choices, QString *error);
