#pragma once

#include <QList>
#include <QString>

#include <memory>

class Clock;
class Condition;
class Notifier;
class PowerRequester;
class SettingsStore;
class TrayAnimator;
class TrayWatcher;
class WebOpener;
struct QuietThresholds;
struct RunningProgram;

// The seams' implementations of the platform this program is built for; CMake compiles
// exactly one folder of platform/.
namespace Platform {
// Why no window could be shown (no display, or one without a server); empty when fine.
// Asked before the toolkit starts, which would abort instead.
QString displayProblem();
std::unique_ptr<PowerRequester> makePowerRequester();
// The user's own settings of this program.
std::unique_ptr<SettingsStore> makeSettingsStore();
std::unique_ptr<WebOpener> makeWebOpener();
std::unique_ptr<Notifier> makeNotifier();
std::unique_ptr<TrayAnimator> makeTrayAnimator();
std::unique_ptr<TrayWatcher> makeTrayWatcher();
// Before the toolkit starts, which joins the session bus at once and would wait without
// limit on one that accepts and never answers: such a bus is left out of this run.
void avoidSilentBuses();
// Whether the notification area draws the icon's menu itself.
bool trayMenuDrawnByHost();

// Waits besides the clock, each watching only between its start() and stop().
// The last of `programs` ending, as the system tells it (no polling).
std::unique_ptr<Condition> makeProgramEndCondition(const QList<RunningProgram> &programs);
// CPU use and network traffic below the thresholds for their span, read every 5 s.
std::unique_ptr<Condition> makeQuietCondition(const QuietThresholds &thresholds,
                                              const Clock &clock);
// Nobody using keyboard or mouse for spanMs.
std::unique_ptr<Condition> makeIdleCondition(qint64 spanMs, const Clock &clock);
// The processes that can be waited for (every user's; ownedByUser marks the user's own),
// by name and then PID; this program left out.
QList<RunningProgram> runningPrograms();
// How a program's name is compared with one given on a command line.
Qt::CaseSensitivity programNameCase();
} // namespace Platform
