#include "core/AppInfo.h"
#include "core/Clock.h"
#include "core/Power.h"
#include "core/SettingsStore.h"
#include "core/WebOpener.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"
#include "gui/Notifier.h"
#include "gui/TrayAnimator.h"
#include "gui/TrayWatcher.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
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
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(QString::fromLatin1(Version::Text));
    QApplication::setDesktopFileName(AppInfo::applicationId());
    // The window may hide into the notification area while the About box closes: the
    // program ends when the main window closes, not with its last visible window.
    QApplication::setQuitOnLastWindowClosed(false);

    QtMessageBoxService messages;
    // One instance a user: decided before any window exists.
    SingleInstance instance(SingleInstance::defaultLockDirectory());
    const SingleInstance::Status status = instance.acquire();
    // A lock that cannot be used is no proof of another instance: say so, and start.
    if (status == SingleInstance::Status::Unusable)
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(instance.problem()));
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
    window.start();
    const auto trayWatcher = Platform::makeTrayWatcher();
    window.addTrayIcon(Platform::trayMenuDrawnByHost(), trayWatcher.get());
    return QApplication::exec();
}
