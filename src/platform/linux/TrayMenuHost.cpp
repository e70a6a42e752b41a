#include "core/Log.h"
#include "platform/Platform.h"
#include "platform/linux/BusProbe.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>

// The toolkit speaks StatusNotifierItem when a watcher with a registered host is on the
// session bus; such a host draws the icon's menu itself.
bool Platform::trayMenuDrawnByHost()
{
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcher))
        return false;
    QDBusInterface iface(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return iface.property("IsStatusNotifierHostRegistered").toBool();
}

void Platform::avoidSilentBuses()
{
    const QString address = sessionBusAddress();
    if (address.isEmpty() || probeBusNow(address, 1000) != BusAnswer::Silent)
        return;
    qCWarning(lcOrvanta, "the session bus at %s does not answer; going on without it",
              qPrintable(address));
    // Joining fails at once instead of waiting for ever.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/unanswered-session-bus");
}
