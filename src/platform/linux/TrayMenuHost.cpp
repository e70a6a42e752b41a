#include "platform/Platform.h"

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
