#include "tray/QtTrayIconHost.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>

namespace {

// The toolkit speaks StatusNotifierItem when a watcher with a registered host is on the
// session bus; such a host draws the icon's menu itself.
bool statusNotifierHostRegistered()
{
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcher))
        return false;
    QDBusInterface iface(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return iface.property("IsStatusNotifierHostRegistered").toBool();
}

} // namespace

std::unique_ptr<TrayIconHost> makePlatformTrayIconHost()
{
    return std::make_unique<QtTrayIconHost>(statusNotifierHostRegistered());
}
