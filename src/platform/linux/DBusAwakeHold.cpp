#include "platform/linux/DBusAwakeHold.h"

#include "core/AppInfo.h"
#include "platform/Platform.h"
#include "platform/linux/BusProbe.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QTimer>

#include <memory>

namespace {

struct Address
{
    const char *service;
    const char *path;
    const char *interface;
};

const Address Gnome{"org.gnome.SessionManager", "/org/gnome/SessionManager",
                    "org.gnome.SessionManager"};
const Address PowerManagement{"org.freedesktop.PowerManagement",
                              "/org/freedesktop/PowerManagement/Inhibit",
                              "org.freedesktop.PowerManagement.Inhibit"};
const Address Portal{"org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                     "org.freedesktop.portal.Inhibit"};
const Address Logind{"org.freedesktop.login1", "/org/freedesktop/login1",
                     "org.freedesktop.login1.Manager"};
const char *const PortalRequest = "org.freedesktop.portal.Request";

// The session manager's and the portal's flag for the automatic suspend, and nothing else.
constexpr uint SuspendFlag = 4;
constexpr int TakeBoundMs = 25000;

QDBusMessage callTo(const Address &to, const QString &path, const char *method)
{
    return QDBusMessage::createMethodCall(QLatin1String(to.service), path,
                                          QLatin1String(to.interface), QLatin1String(method));
}

QDBusMessage callTo(const Address &to, const char *method)
{
    return callTo(to, QLatin1String(to.path), method);
}

using Source = DBusAwakeHold::Source;

QString sourceName(Source source)
{
    switch (source) {
    case Source::GnomeSession:
        return QCoreApplication::translate("DBusAwakeHold", "GNOME session manager");
    case Source::PowerManagement:
        return QCoreApplication::translate("DBusAwakeHold", "the desktop's power management");
    case Source::Portal:
        return QCoreApplication::translate("DBusAwakeHold", "the desktop portal");
    case Source::Logind:
        return QCoreApplication::translate("DBusAwakeHold", "logind's idle lock");
    case Source::None:
        break;
    }
    return QString();
}

bool isUint(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<uint>();
}

} // namespace

DBusAwakeHold::DBusAwakeHold(QDBusConnection systemBus, QDBusConnection sessionBus, int letGoMs)
    : m_system(std::move(systemBus)), m_session(std::move(sessionBus)), m_letGoMs(letGoMs),
      m_portalTimer(new QTimer(this))
{
    m_portalTimer->setSingleShot(true);
    // A backend that cannot hold it may never answer at all.
    connect(m_portalTimer, &QTimer::timeout, this,
            [this] { failed(Source::Portal, QStringLiteral("no answer")); });
}

DBusAwakeHold::~DBusAwakeHold()
{
    // The session's services would drop it when the connection leaves the bus; the
    // connection may outlive this object.
    if (m_phase == Phase::Held && m_source != Source::Logind)
        m_session.send(letGoCall());
}

void DBusAwakeHold::hold(const QString &reason)
{
    m_wanted = true;
    m_reason = reason;
    if (m_phase != Phase::Idle)
        return;
    m_failures.clear();
    take(Source::GnomeSession);
}

void DBusAwakeHold::release(std::function<void()> released)
{
    m_wanted = false;
    if (m_phase == Phase::Idle) {
        released();
        return;
    }
    m_released.push_back(std::move(released));
    if (m_phase == Phase::Held)
        letGo();
    // One on its way is let go when it comes (taken()); a service slow to answer keeps
    // nobody waiting longer than letting go would.
    if (m_phase == Phase::Taking)
        QTimer::singleShot(m_letGoMs, this, [this] {
            if (m_phase == Phase::Taking)
                runReleased();
        });
}

void DBusAwakeHold::runReleased()
{
    for (const auto &released : std::exchange(m_released, {}))
        released();
}

QString DBusAwakeHold::holder() const
{
    return m_phase == Phase::Held ? sourceName(m_source) : QString();
}

QString DBusAwakeHold::portalRequestPath(const QString &token) const
{
    // Where the portal puts the request, known before asking: its answer may come before the
    // reply that names it.
    QString sender = m_session.baseService();
    sender.remove(u':').replace(u'.', u'_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

void DBusAwakeHold::take(Source source)
{
    m_phase = Phase::Taking;
    m_source = source;
    const quint64 attempt = ++m_attempt;
    QDBusConnection &bus = source == Source::Logind ? m_system : m_session;
    if (!bus.isConnected()) {
        failed(source, source == Source::Logind
                           ? QStringLiteral("the system bus cannot be reached")
                           : QStringLiteral("the session bus cannot be reached"));
        return;
    }
    QDBusMessage call;
    switch (source) {
    case Source::GnomeSession:
        call = callTo(Gnome, "Inhibit");
        call << AppInfo::title() << uint(0) << m_reason << SuspendFlag;
        break;
    case Source::PowerManagement:
        call = callTo(PowerManagement, "Inhibit");
        call << AppInfo::title() << m_reason;
        break;
    case Source::Portal: {
        const QString token = QStringLiteral("orvanta%1").arg(attempt);
        m_portalRequest = portalRequestPath(token);
        m_session.connect(QLatin1String(Portal.service), m_portalRequest,
                          QLatin1String(PortalRequest), QStringLiteral("Response"), this,
                          SLOT(onPortalResponse(uint, QVariantMap)));
        call = callTo(Portal, "Inhibit");
        call << QString() << SuspendFlag
             << QVariantMap{{QStringLiteral("handle_token"), token},
                            {QStringLiteral("reason"), m_reason}};
        break;
    }
    case Source::Logind:
        call = callTo(Logind, "Inhibit");
        call << QStringLiteral("idle") << AppInfo::title() << m_reason << QStringLiteral("block");
        break;
    case Source::None:
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, TakeBoundMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, source, attempt] {
        watcher->deleteLater();
        if (attempt != m_attempt || m_phase != Phase::Taking)
            return;
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ErrorMessage)
            failed(source, reply.errorName());
        else
            taken(source, reply);
    });
}

void DBusAwakeHold::taken(Source source, const QDBusMessage &reply)
{
    const QVariant value = reply.arguments().value(0);
    switch (source) {
    case Source::GnomeSession:
    case Source::PowerManagement:
        if (!isUint(value)) {
            failed(source, QStringLiteral("no cookie in the answer"));
            return;
        }
        m_cookie = value.toUInt();
        break;
    case Source::Portal:
        if (!value.canConvert<QDBusObjectPath>()) {
            failed(source, QStringLiteral("no request in the answer"));
            return;
        }
        // Held only once the request's answer says so.
        m_portalRequest = qvariant_cast<QDBusObjectPath>(value).path();
        m_portalTimer->start(TakeBoundMs);
        return;
    case Source::Logind:
        m_descriptor = qvariant_cast<QDBusUnixFileDescriptor>(value);
        if (!m_descriptor.isValid()) {
            failed(source, QStringLiteral("no descriptor in the answer"));
            return;
        }
        break;
    case Source::None:
        return;
    }
    becomeHeld();
}

void DBusAwakeHold::becomeHeld()
{
    m_phase = Phase::Held;
    m_problem.clear();
    emit changed();
    // Disarmed while it was on its way: let go at once.
    if (!m_wanted)
        letGo();
}

void DBusAwakeHold::onPortalResponse(uint response, const QVariantMap &)
{
    if (m_phase != Phase::Taking || m_source != Source::Portal)
        return;
    m_portalTimer->stop();
    if (response != 0) {
        failed(Source::Portal, QStringLiteral("refused (%1)").arg(response));
        return;
    }
    becomeHeld();
}

void DBusAwakeHold::failed(Source source, const QString &why)
{
    m_failures << sourceName(source) + QStringLiteral(": ") + why;
    if (source == Source::Portal) {
        m_portalTimer->stop();
        m_session.disconnect(QLatin1String(Portal.service), m_portalRequest,
                             QLatin1String(PortalRequest), QStringLiteral("Response"), this,
                             SLOT(onPortalResponse(uint, QVariantMap)));
        // Unanswered: a late yes must not hold it.
        if (why == QLatin1String("no answer"))
            m_session.send(letGoCall());
    }
    if (m_wanted && source != Source::Logind) {
        take(Source(int(source) + 1));
        return;
    }
    m_phase = Phase::Idle;
    m_source = Source::None;
    if (m_wanted) {
        m_problem = m_failures.join(QStringLiteral("; "));
        emit changed();
    }
    runReleased();
}

QDBusMessage DBusAwakeHold::letGoCall() const
{
    QDBusMessage call;
    switch (m_source) {
    case Source::GnomeSession:
        call = callTo(Gnome, "Uninhibit");
        call << m_cookie;
        break;
    case Source::PowerManagement:
        call = callTo(PowerManagement, "UnInhibit");
        call << m_cookie;
        break;
    case Source::Portal:
        call =
            QDBusMessage::createMethodCall(QLatin1String(Portal.service), m_portalRequest,
                                           QLatin1String(PortalRequest), QStringLiteral("Close"));
        break;
    case Source::Logind:
    case Source::None:
        break;
    }
    return call;
}

void DBusAwakeHold::letGo()
{
    m_phase = Phase::LettingGo;
    emit changed();
    if (m_source == Source::Logind || m_source == Source::None) {
        // The lock ends as the descriptor closes, before anything is sent after it.
        m_descriptor = QDBusUnixFileDescriptor();
        letGone();
        return;
    }
    // Whatever the answer: an error means nothing is held there either. The request waits
    // for it: the session manager lets go of its own system lock before it answers.
    auto *watcher = new QDBusPendingCallWatcher(m_session.asyncCall(letGoCall(), m_letGoMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        letGone();
    });
}

void DBusAwakeHold::letGone()
{
    m_phase = Phase::Idle;
    m_source = Source::None;
    const std::vector<std::function<void()>> released = std::exchange(m_released, {});
    // Asked for again meanwhile.
    if (m_wanted) {
        m_failures.clear();
        take(Source::GnomeSession);
    }
    for (const auto &done : released)
        done();
}
