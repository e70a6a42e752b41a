#include "platform/linux/ScreenParts.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

#include <xcb/dpms.h>
#include <xcb/xcb.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace ScreenParts {

QString lockerLabel(const Locker &locker)
{
    const QString service = QString::fromLatin1(locker.service);
    const QString path = QString::fromLatin1(locker.path);
    return u'/' + QString(service).replace(u'.', u'/') == path ? service
                                                               : service + u" at "_s + path;
}

QList<int> lockersAmong(const QStringList &names)
{
    QList<int> found;
    for (int i = 0; i < int(std::size(Lockers)); ++i) {
        if (names.contains(QString::fromLatin1(Lockers[i].service)))
            found << i;
    }
    return found;
}

QVariant firstValue(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QVariant value = reply.arguments().constFirst();
    return value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant() : value;
}

QString answerText(const QDBusMessage &reply)
{
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply"))
            return QStringLiteral("no reply");
        return reply.errorMessage().isEmpty()
                   ? reply.errorName()
                   : QStringLiteral("%1 (%2)").arg(reply.errorName(), reply.errorMessage());
    }
    const QVariant value = firstValue(reply);
    if (!value.isValid())
        return QStringLiteral("done");
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

bool answered(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool maybeDone(const QDBusMessage &reply)
{
    return answered(reply) ||
           reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply");
}

QDBusMessage getProperty(const QString &service, const QString &path, const QString &interface,
                         const QString &name)
{
    QDBusMessage get =
        QDBusMessage::createMethodCall(service, path, Properties, QStringLiteral("Get"));
    get << interface << name;
    return get;
}

QDBusMessage listNames()
{
    return QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"));
}

QDBusMessage sessionByPid()
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(Login1, QStringLiteral("/org/freedesktop/login1"),
                                       Login1 + u".Manager"_s, QStringLiteral("GetSessionByPID"));
    call << quint32(QCoreApplication::applicationPid());
    return call;
}

QDBusMessage shortcutNames()
{
    return QDBusMessage::createMethodCall(GlobalAccel, PowerDevilShortcuts,
                                          GlobalAccel + u".Component"_s,
                                          QStringLiteral("shortcutNames"));
}

void callBounded(const QDBusConnection &bus, QDBusMessage message, int ms, QObject *context,
                 std::function<void(const QDBusMessage &)> then)
{
    message.setAutoStartService(false);
    // A call on a bus that never connected would never report back: it is answered, from the
    // event loop, with the connection's own error.
    if (!bus.isConnected()) {
        const QDBusMessage error =
            message.createErrorReply(QDBusError::Disconnected, bus.lastError().message());
        QMetaObject::invokeMethod(
            context, [then = std::move(then), error] { then(error); }, Qt::QueuedConnection);
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, ms), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [then = std::move(then)](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         then(finished->reply());
                     });
}

bool changedTo(const QDBusMessage &signal, const QString &interface, const QString &name,
               const QVariant &wanted)
{
    const QVariantList args = signal.arguments();
    if (args.size() < 2 || args[0].toString() != interface)
        return false;
    const QVariantMap changed = qdbus_cast<QVariantMap>(args[1]);
    return changed.contains(name) && changed.value(name) == wanted;
}

xcb_connection_t *toolkitX11()
{
    // Checked, not qGuiApp: in a program without windows the application is a core one.
    const auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    const auto *x11 = gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

bool dpmsCapable(xcb_connection_t *x11, QString *why)
{
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(x11, &xcb_dpms_id);
    if (!extension || !extension->present) {
        *why = QStringLiteral("X server: no DPMS extension");
        return false;
    }
    xcb_dpms_capable_reply_t *capable = xcb_dpms_capable_reply(x11, xcb_dpms_capable(x11), nullptr);
    const bool yes = capable && capable->capable;
    std::free(capable);
    if (!yes)
        *why = QStringLiteral("X server: DPMS not capable");
    return yes;
}

} // namespace ScreenParts
