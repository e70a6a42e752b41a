#include "app/Main.h"

#include "app/AppInfo.h"
#include "app/SingleInstance.h"
#include "schedule/Clock.h"
#include "schedule/PowerRequester.h"
#include "settings/QSettingsStore.h"
#include "tray/TrayAnimator.h"
#include "tray/TrayIconHost.h"
#include "ui/MessageBox.h"
#include "ui/Shutdown.h"
#include "web/WebOpener.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int Main(int argc, char *argv[])
{
    // Shared-memory images cost a blocking round trip to the X server on every repaint; a
    // window this small is cheaper to send over the socket, and the ticking countdown then
    // wakes the program about once a second instead of five times.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(AppInfo::Major).arg(AppInfo::Minor).arg(AppInfo::Revision));
    QApplication::setDesktopFileName(AppInfo::applicationId());
    // The window may hide into the tray while the About box closes: the program ends only
    // when the main window has terminated.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(SingleInstance::defaultLockDirectory());
    SystemClock clock;
    QtMessageBoxService messages;
    QSettingsStore settings;
    const auto power = makePlatformPowerRequester();
    const auto web = makePlatformWebOpener();
    const auto animator = makePlatformTrayAnimator();
    const auto trayHost = makePlatformTrayIconHost();

    ShutdownServices services;
    services.power = power.get();
    services.settings = &settings;
    services.messages = &messages;
    services.web = web.get();
    services.clock = &clock;
    services.trayAnimator = animator.get();
    services.trayHost = trayHost.get();
    services.previousInstance = [&instance] { return instance.previousInstance(); };
    services.endProcess = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };

    Shutdown form(services);
    QObject::connect(&form, &Shutdown::terminated, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!form.Show())
        return 0;
    return QApplication::exec();
}
