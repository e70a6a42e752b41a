#pragma once

#include <QList>
#include <QString>

#include <memory>

class Autostart;
class AwakeHold;
class Clock;
class CommandRunner;
class Notifier;
class PowerRequester;
class SettingsStore;
class TrayAnimator;
class TrayWatcher;
class WaitSources;
class WakeAlarm;
class WebOpener;

// The seams' implementations of the platform this program is built for; CMake compiles
// exactly one folder of platform/.
namespace Platform {
// A start from a command prompt answers there (Windows, whose windowed programs have no
// console of their own): standard output and error not redirected to a file or a pipe go to
// the prompt's console. Called with false once the program runs on as the window, which lets
// go of it: closing that prompt, or Ctrl+C in it, would end the program too. Nothing to do
// elsewhere.
void useParentConsole(bool use);
enum class StandardStream : quint8
{
    Output,
    Error,
};
// Text for whoever started the program, on standard output or error: a console shows it in
// its own characters (Windows' consoles take it as UTF-16, whatever their code page), a file
// or a pipe gets UTF-8. Everything the program prints goes through here, and on Windows the
// toolkit's messages too.
void print(StandardStream stream, const QString &text);
// Why no window could be shown (no display, or one without a server); empty when fine.
// Asked before the toolkit starts, which would abort instead.
QString displayProblem();
// The wall and monotonic clocks, the latter standing still while the computer sleeps.
std::unique_ptr<Clock> makeClock();
std::unique_ptr<PowerRequester> makePowerRequester();
// The user's own settings of this program: one group of them ("Settings", "Schedules").
std::unique_ptr<SettingsStore> makeSettingsStore(const QString &group);
std::unique_ptr<WebOpener> makeWebOpener();
std::unique_ptr<Notifier> makeNotifier();
std::unique_ptr<TrayAnimator> makeTrayAnimator();
std::unique_ptr<TrayWatcher> makeTrayWatcher();
// Before the toolkit starts, which joins the session bus at once and would wait without
// limit on one that accepts and never answers: such a bus is left out of this run.
void avoidSilentBuses();
// Whether the notification area draws the icon's menu itself.
bool trayMenuDrawnByHost();

// The running programs and the sources the waits besides the clock read.
std::unique_ptr<WaitSources> makeWaitSources();
// The entry that starts this program with the user's session.
std::unique_ptr<Autostart> makeAutostart();
// Holds off the desktop's automatic sleep while something armed needs the computer awake.
std::unique_ptr<AwakeHold> makeAwakeHold();
// Wakes the computer from sleep at a time, where the system lets this user do so.
std::unique_ptr<WakeAlarm> makeWakeAlarm();
// Runs the user's command so that it and everything it starts can be ended together.
std::unique_ptr<CommandRunner> makeCommandRunner();
} // namespace Platform
