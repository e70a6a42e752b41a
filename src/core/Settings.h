#pragma once

#include "core/Power.h"
#include "core/QuietThresholds.h"
#include "core/TimeRules.h"
#include "core/UserCommand.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class SettingsStore;

// Where the choices of the main window live in the settings store.
namespace SettingsKeys {
QString application(); // "Orvanta"
QString section();     // "Settings"
} // namespace SettingsKeys

// The saved state of the window, typed. An option group with no member selected saves
// nothing for its key, so the stored value stays.
struct Choices
{
    std::optional<Action> action = Action::LogOff;
    // Unchecked 0, Checked 1, PartiallyChecked 2 (grey) in the store; only Checked forces.
    Qt::CheckState force = Qt::Checked;
    std::optional<TimeMode> timeMode = TimeMode::TimeOfDay;
    std::array<QString, 3> countdown = {QStringLiteral("0"), QStringLiteral("0"),
                                        QStringLiteral("0")};
    std::array<QString, 3> timeOfDay = countdown;
    bool warning = true; // a minute before the action
    CommandChoices command{};

    bool operator==(const Choices &) const = default;
};

// What was last asked of the Wait menu's dialogs, offered again when they open. Kept apart
// from the window's choices: it is written when a wait starts, not by Save settings.
struct WaitChoices
{
    // The ranges the dialogs offer; a stored value outside its range counts as missing.
    static constexpr int MaximumMinutes = 24 * 60;
    static constexpr int MaximumPercent = 100;
    static constexpr int MaximumKBps = 1000000;

    QStringList programs; // the names of the programs waited for
    int quietMinutes = int(QuietThresholds().spanMs / 60000);
    int cpuPercent = QuietThresholds().cpuPercent;
    int diskKBps = QuietThresholds().diskKBps;
    int networkKBps = QuietThresholds().networkKBps;
    int idleMinutes = 5;

    bool operator==(const WaitChoices &) const = default;
};

namespace Settings {

// The choices as the store holds them. Every key is read through one table: a stored
// index or check value is a whole number by the time fields' number rule ("2", " 2 ",
// "2.0") within its range, anything else ("x", "1.5", "-1", "7") counts as missing and
// gives the default; field texts are taken verbatim (the fields are checked when the user
// leaves them).
Choices load(SettingsStore &store);
// Writes every key of the table, in its order; on failure says why in `error`.
bool save(SettingsStore &store, const Choices &choices, QString *error);

// The wait choices through a table of their own, under keys of their own: a number within
// its dialog's range (1 and up) or the default; the names one string, separated by '/',
// which no program file's name holds.
WaitChoices loadWaits(SettingsStore &store);
// Writes the wait choices' keys only; the window's stay as they are.
bool saveWaits(SettingsStore &store, const WaitChoices &waits, QString *error);

// A stored whole number from 0 to `maximum`, or nothing.
std::optional<int> storedWholeNumber(const QString &stored, int maximum);

// The value a spinner takes from a stored field text: rounded half to even and clamped
// into 0..maximum; a text that is not a number gives 0. The field itself keeps the text.
int loadedSpinnerValue(const QString &stored, int maximum);

} // namespace Settings
