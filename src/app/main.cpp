#include "app/CheckReport.h"
#include "app/InstanceChannel.h"
#include "core/AppInfo.h"
#include "core/ArmingService.h"
#include "core/Autostart.h"
#include "core/AwakeHold.h"
#include "core/Clock.h"
#include "core/CommandJob.h"
#include "core/CommandLine.h"
#include "core/Log.h"
#include "core/Notifier.h"
#include "core/Power.h"
#include "core/ScheduleEdits.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "core/Wait.h"
#include "core/WakeAlarm.h"
#include "core/WebOpener.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"
#include "gui/Translations.h"
#include "gui/TrayAnimator.h"
#include "gui/TrayWatcher.h"
#include "gui/UsageWindow.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <optional>

namespace {

void nameTheApplication()
{
    QCoreApplication::setApplicationName(AppInfo::title());
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version::Text));
}

// --help and --version are answered on any terminal, display or not.
void answerHelpAndVersion(int &argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "-?" ||
            argument == "--help-all" || argument == "-v" || argument == "--version") {
            QCoreApplication text(argc, argv);
            installTranslations(text);
            nameTheApplication();
            if (const Command command = parseCommandLine(QCoreApplication::arguments());
                !command.answer.isEmpty()) {
                Platform::print(Platform::StandardStream::Output, command.answer);
                std::exit(0);
            }
        }
    }
}

// Exit statuses a script can tell apart; the manual page lists them.
enum ExitStatus
{
    Done = 0,
    Failed = 1, // no window can be shown, or the running program cannot be reached
    Refused = 2,
    TooLate = 3,        // the running program's request is already on its way
    OutcomeUnknown = 4, // handed over, but no answer came
};

int refuse(const QString &why)
{
    qCWarning(lcOrvanta, "%s\n\n%s", qUtf8Printable(why), qUtf8Printable(commandLineUsage()));
    return Refused;
}

// What a command answered (the list of schedules), on standard output.
void printLines(const QString &text)
{
    if (!text.isEmpty())
        Platform::print(Platform::StandardStream::Output, text + u'\n');
}

// --schedule, --schedules … with no program running: done to the stored schedules, once the
// system has said what it can carry out (a schedule it cannot is refused, as a running program
// would). The exit status, or nothing where a schedule is on and this process is to carry it
// out (possible only with a display).
std::optional<int> editStoredSchedules(const ScheduleEdit &edit, SettingsStore &store,
                                       Autostart &autostart, const Capabilities &capabilities,
                                       const QString &wakeWhyNot, bool canRunOn)
{
    QString error;
    if (!store.reload(&error)) {
        qCWarning(lcOrvanta, "the schedules could not be read: %s", qUtf8Printable(error));
        return Failed;
    }
    std::vector<StoredSchedule> schedules = ScheduleRules::load(store);
    if (const QString why = ScheduleEdits::refusal(schedules, edit, capabilities, wakeWhyNot);
        !why.isEmpty())
        return refuse(why);
    const CommandOutcome outcome = ScheduleEdits::apply(schedules, edit);
    if (outcome.kind != CommandOutcome::Kind::Applied)
        return refuse(outcome.text);
    printLines(outcome.text);
    if (edit.kind == ScheduleEdit::Kind::List)
        return Done;
    if (!ScheduleRules::save(store, schedules, &error)) {
        qCWarning(lcOrvanta, "the schedules could not be saved: %s", qUtf8Printable(error));
        return Failed;
    }
    const bool on = ScheduleEdits::anyEnabled(schedules);
    if (autostart.isEnabled() != on && !autostart.setEnabled(on, &error))
        qCWarning(lcOrvanta, "%s", qUtf8Printable(error));
    if (!on)
        return Done;
    if (!canRunOn) {
        printLines(QCoreApplication::translate("main", "Orvanta carries the schedules out once "
                                                       "it runs with your session."));
        return Done;
    }
    printLines(QCoreApplication::translate("main", "Orvanta runs on in the notification area "
                                                   "to carry the schedules out."));
    return std::nullopt;
}

// A later start: the command is for the running instance.
int handOver(const QString &folder, const QStringList &arguments)
{
    CommandOutcome outcome;
    QString why;
    switch (InstanceChannel::send(folder, arguments, &outcome, &why)) {
    case InstanceChannel::Delivery::Unreachable:
        qCWarning(lcOrvanta, "cannot reach the running Orvanta: %s", qUtf8Printable(why));
        return Failed;
    case InstanceChannel::Delivery::Unanswered:
        qCWarning(lcOrvanta, "the running Orvanta did not answer in time: whether it did what "
                             "was asked is unknown");
        return OutcomeUnknown;
    case InstanceChannel::Delivery::Answered:
        break;
    }
    switch (outcome.kind) {
    case CommandOutcome::Kind::Applied:
        printLines(outcome.text);
        return Done;
    case CommandOutcome::Kind::Refused:
        break;
    case CommandOutcome::Kind::TooLate:
        qCWarning(lcOrvanta, "%s", qUtf8Printable(outcome.text));
        return TooLate;
    }
    return refuse(outcome.text);
}

// What the running program made of a command handed over.
CommandOutcome applyHandedOver(MainWindow &window, const QStringList &arguments)
{
    const Command command =
        parseCommandLine(QStringList{QStringLiteral("orvanta")} + arguments, false);
    if (!command.error.isEmpty())
        return {CommandOutcome::Kind::Refused, command.error};
    return window.apply(command);
}

} // namespace

int main(int argc, char *argv[])
{
    Platform::useParentConsole(true);
    // Only without a console to print to: after joining the parent's.
    answerHelpInWindow(argc, argv);
    answerHelpAndVersion(argc, argv);
    // Shared-memory images cost a blocking round trip to the X server on every repaint; a
    // window this small is cheaper to send over the socket, and the ticking countdown then
    // wakes the program about once a second instead of five times.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    Platform::avoidSilentBuses();
    // Commands that open no window (--check, --cancel, the schedules' commands, anything
    // handed to a running program) need no display: over SSH or from cron they still work.
    const QString displayProblem = Platform::displayProblem();
    const bool windows = displayProblem.isEmpty();
    std::unique_ptr<QCoreApplication> app = windows
                                                ? std::make_unique<QApplication>(argc, argv)
                                                : std::make_unique<QCoreApplication>(argc, argv);
    installTranslations(*app);
    nameTheApplication();
    if (windows) {
        QGuiApplication::setDesktopFileName(AppInfo::applicationId());
        // The window may hide into the notification area while the About box closes: the
        // program ends when the main window closes, not with its last visible window.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    const Command command = parseCommandLine(QCoreApplication::arguments());
    if (!command.error.isEmpty())
        return refuse(command.error);
    // Answered by this process, whether or not another one runs: the system is the same.
    if (command.check)
        return CheckReport::printCapabilities(*Platform::makePowerRequester(),
                                              *Platform::makeWakeAlarm(),
                                              *Platform::makeAwakeHold());

    // One instance a user: decided before any window exists.
    const QString privateFolder = SingleInstance::defaultLockDirectory();
    SingleInstance instance(privateFolder);
    const SingleInstance::Status status = instance.acquire();
    // A lock that cannot be used is no proof of another instance: say so, and start.
    // Nor may it take the hand-off socket from an instance that may be running.
    if (status == SingleInstance::Status::Unusable)
        qCWarning(lcOrvanta, "%s; command-line hand-off is off for this run",
                  qUtf8Printable(instance.problem()));
    // A start without arguments brings the running one's window up: what is armed must
    // always be reachable, also where it runs hidden without a notification area.
    if (status == SingleInstance::Status::AlreadyRunning)
        return handOver(privateFolder, command.isEmpty() ? QStringList{QStringLiteral("--show")}
                                                         : QCoreApplication::arguments().mid(1));
    // Nothing runs that could be disarmed: what --cancel asks for holds already. (With
    // --show it starts the window, as a start without arguments would.)
    if (command.cancel && !command.show) {
        if (status == SingleInstance::Status::Unusable) {
            qCWarning(lcOrvanta, "cannot reach a running Orvanta: hand-off is off");
            return Failed;
        }
        qCWarning(lcOrvanta, "Orvanta is not running: nothing is armed");
        return Done;
    }
    // Nor is there anything to give more time: refused, so that a script notices.
    if (command.postpone > 0) {
        qCWarning(lcOrvanta, "Orvanta is not running: nothing is armed that could be given "
                             "more time");
        return status == SingleInstance::Status::Unusable ? Failed : Refused;
    }
    const auto scheduleStore = Platform::makeSettingsStore(QStringLiteral("Schedules"));
    const auto autostart = Platform::makeAutostart();
    const auto power = Platform::makePowerRequester();
    bool hidden = command.autostart;
    if (command.schedules) {
        // Nothing runs to hand it to: the stored schedules are changed here. While one is
        // on, this process goes on as the session would start it, to carry it out.
        // Only what puts a schedule on asks the system first.
        const ScheduleEdit::Kind kind = command.schedules->kind;
        const bool puttingOn = kind == ScheduleEdit::Kind::Add || kind == ScheduleEdit::Kind::On;
        QString wakeWhyNot;
        const Capabilities capabilities =
            puttingOn
                ? CheckReport::askCapabilities(*power, *Platform::makeWakeAlarm(), &wakeWhyNot)
                : Capabilities{};
        const std::optional<int> done = editStoredSchedules(
            *command.schedules, *scheduleStore, *autostart, capabilities, wakeWhyNot, windows);
        if (done)
            return *done;
        hidden = true;
    }
    if (!windows) {
        qCWarning(lcOrvanta, "%s", qUtf8Printable(displayProblem));
        return Failed;
    }

    QtMessageBoxService messages;
    const auto clock = Platform::makeClock();
    const auto settings = Platform::makeSettingsStore(SettingsKeys::section());
    const auto web = Platform::makeWebOpener();
    const auto animator = Platform::makeTrayAnimator();
    const auto notifier = Platform::makeNotifier();
    const auto waitSources = Platform::makeWaitSources();
    // Which sources of idleness this session has is known before anybody asks for a wait.
    waitSources->probe();
    Waits waits(*waitSources, *clock);
    const auto awake = Platform::makeAwakeHold();
    const auto wake = Platform::makeWakeAlarm();
    const auto commands = Platform::makeCommandRunner();

    ArmingService::Seams seams;
    seams.clock = clock.get();
    seams.power = power.get();
    seams.notifier = notifier.get();
    seams.schedules = scheduleStore.get();
    seams.autostart = autostart.get();
    seams.waits = &waits;
    seams.awake = awake.get();
    seams.wake = wake.get();
    ArmingService arming(seams);
    arming.setCommandRunner(commands.get());

    MainWindowServices services;
    services.arming = &arming;
    services.settings = settings.get();
    services.messages = &messages;
    services.web = web.get();
    services.trayAnimator = animator.get();

    MainWindow window(services);
    QObject::connect(&window, &MainWindow::closed, app.get(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    std::unique_ptr<InstanceChannel> channel;
    if (status == SingleInstance::Status::Acquired)
        channel = std::make_unique<InstanceChannel>(
            privateFolder,
            [&window](const QStringList &arguments) { return applyHandedOver(window, arguments); });
    const auto trayWatcher = Platform::makeTrayWatcher();
    const auto showWindow = [&window, &trayWatcher] {
        Platform::useParentConsole(false); // from here on it runs as the window
        window.showCentred();
        window.addTrayIcon(Platform::trayMenuDrawnByHost(), trayWatcher.get());
    };
    // Commands wait until the sources of the waits and what the system can carry out are
    // known: an idle wait needs to know which source this session has, and an action the
    // system cannot carry out is refused with its reason. The window shows at once unless a
    // command came with the first start: that one is applied first, and shows the window only
    // when it was taken.
    const bool armsAtStart = command.arm || command.wait;
    window.prepare();
    // Started with the session, or to carry out a schedule: only the icon shows.
    if (hidden)
        window.startHidden(Platform::trayMenuDrawnByHost(), trayWatcher.get());
    else if (!armsAtStart)
        showWindow();
    bool known = false;
    const auto whenKnown = [&] {
        if (known || !waitSources->isProbed() || !arming.capabilitiesKnown())
            return;
        known = true;
        if (armsAtStart) {
            if (const CommandOutcome outcome = window.apply(command);
                outcome.kind != CommandOutcome::Kind::Applied) {
                window.close(); // commands handed over meanwhile hear that it is closing
                if (channel)
                    channel->open();
                QCoreApplication::exit(refuse(outcome.text));
                return;
            }
            showWindow();
        }
        if (channel)
            channel->open();
    };
    // Through the event loop whichever answers last, and whether or not both have answered
    // already: exit() is heard only there.
    QObject::connect(waitSources.get(), &WaitSources::probed, &window, whenKnown,
                     Qt::QueuedConnection);
    QObject::connect(&arming, &ArmingService::capabilitiesChanged, &window, whenKnown,
                     Qt::QueuedConnection);
    QTimer::singleShot(0, &window, whenKnown);
    return QCoreApplication::exec();
}
