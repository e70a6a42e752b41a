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
    // The warning: minutes before the action (one of WarningLeads; 0: none), whether it asks
    // for the desktop's sound, and the user's own line shown in it.
    int warningMinutes = 1;
    bool warningSound = false;
    QString warningNote;
    bool keepAwake = true; // a countdown, a time of day or a schedule keeps the computer awake
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

// The lead times the File menu offers, in minutes; 0 turns the warning off.
inline constexpr std::array<int, 6> WarningLeads = {1, 2, 5, 10, 15, 0};

namespace Settings {

// The choices as the store holds them. The warning's lead is read from "WarningMinutes"
// (a value of WarningLeads), and where that is missing from the older "Warning" (0 off,
// 1 a minute); both are written, so an older version still finds its key. Every key is read through
// one table: a stored index or check value is a whole number by the time fields' number rule ("2",
// " 2 ", "2.0") within its range, anything else ("x", "1.5", "-1", "7") counts as missing and gives
// the default; field texts are taken verbatim (the fields are checked when the user leaves them).
Choices load(SettingsStore &store);
// Writes every key of the table, in its order; on failure says why in `error`.
bool save(SettingsStore &store, const Choices &choices, QString *error);

// The wait choices through a table of their own, under keys of their own: a number within
// its dialog's range (1 and up) or the default; the names one string, separated by '/',
// which no program file's name holds.
WaitChoices loadWaits(SettingsStore &store);
// Writes the wait choices' keys only; the window's stay as they are.
bool saveWaits(SettingsStore &store, const WaitChoices &waits, QString *error);

// The longest own line the warning shows.
inline constexpr int MaximumNoteLength = 200;

// A stored whole number from 0 to `maximum`, or nothing.
std::optional<int> storedWholeNumber(const QString &stored, int maximum);

// The value a spinner takes from a stored field text: rounded half to even and clamped
// into 0..maximum; a text that is not a number gives 0. The field itself keeps the text.
int loadedSpinnerValue(const QString &stored, int maximum);

} // namespace Settings
