#include "app/InstanceChannel.h"
#include "core/AppInfo.h"
#include "core/Clock.h"
#include "core/CommandLine.h"
#include "core/Power.h"
#include "core/SettingsStore.h"
#include "core/WebOpener.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"
#include "core/Notifier.h"
#include "gui/Translations.h"
#include "gui/TrayAnimator.h"
#include "gui/TrayWatcher.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"

#include <QApplication>

#include <cstdio>

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
            parseCommandLine(QCoreApplication::arguments());
        }
    }
}

int refuse(const QString &why)
{
    std::fprintf(stderr, "orvanta: %s\n\n%s", qPrintable(why), qPrintable(commandLineUsage()));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    answerHelpAndVersion(argc, argv);
    // Shared-memory images cost a blocking round trip to the X server on every repaint; a
    // window this small is cheaper to send over the socket, and the ticking countdown then
    // wakes the program about once a second instead of five times.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    if (const QString problem = Platform::displayProblem(); !problem.isEmpty()) {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(problem));
        return 1;
    }
    Platform::avoidSilentBuses();
    QApplication app(argc, argv);
    installTranslations(app);
    nameTheApplication();
    QApplication::setDesktopFileName(AppInfo::applicationId());
    // The window may hide into the notification area while the About box closes: the
    // program ends when the main window closes, not with its last visible window.
    QApplication::setQuitOnLastWindowClosed(false);

    const Command command = parseCommandLine(QCoreApplication::arguments());
    if (!command.error.isEmpty())
        return refuse(command.error);

    QtMessageBoxService messages;
    // One instance a user: decided before any window exists.
    const QString privateFolder = SingleInstance::defaultLockDirectory();
    SingleInstance instance(privateFolder);
    const SingleInstance::Status status = instance.acquire();
    // A lock that cannot be used is no proof of another instance: say so, and start.
    if (status == SingleInstance::Status::Unusable)
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(instance.problem()));
    if (status == SingleInstance::Status::AlreadyRunning && !command.isEmpty()) {
        // A command is for the running instance.
        QString answer;
        if (!InstanceChannel::send(privateFolder, QCoreApplication::arguments().mid(1), &answer)) {
            std::fprintf(stderr, "orvanta: cannot reach the running Orvanta: %s\n",
                         qPrintable(answer));
            return 1;
        }
        return answer.isEmpty() ? 0 : refuse(answer);
    }
    if (status == SingleInstance::Status::AlreadyRunning) {
        messages.information(nullptr,
                             QCoreApplication::translate(
                                 "main", "Another instance of %1 is already running.\r\nClosing "
                                         "this instance now.")
                                 .arg(AppInfo::title()));
        return 0;
    }

    SystemClock clock;
    const auto settings = Platform::makeSettingsStore();
    const auto power = Platform::makePowerRequester();
    const auto web = Platform::makeWebOpener();
    const auto animator = Platform::makeTrayAnimator();
    const auto notifier = Platform::makeNotifier();

    MainWindowServices services;
    services.power = power.get();
    services.settings = settings.get();
    services.messages = &messages;
    services.web = web.get();
    services.clock = &clock;
    services.trayAnimator = animator.get();
    services.notifier = notifier.get();

    MainWindow window(services);
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    InstanceChannel channel(privateFolder, [&window](const QStringList &arguments) {
        const Command later =
            parseCommandLine(QStringList{QStringLiteral("orvanta")} + arguments, false);
        return later.error.isEmpty() ? window.apply(later) : later.error;
    });
    window.start();
    const auto trayWatcher = Platform::makeTrayWatcher();
    window.addTrayIcon(Platform::trayMenuDrawnByHost(), trayWatcher.get());
    if (!command.isEmpty())
        window.apply(command);
    return QApplication::exec();
}
