#include "platform/linux/ScreenActions.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/dpms.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Login1 = QStringLiteral("org.freedesktop.login1");
const QString Login1Session = QStringLiteral("org.freedesktop.login1.Session");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString Mutter = QStringLiteral("org.gnome.Mutter.DisplayConfig");
const QString MutterPath = QStringLiteral("/org/gnome/Mutter/DisplayConfig");
const QString GlobalAccel = QStringLiteral("org.kde.kglobalaccel");
const QString PowerDevilShortcuts = QStringLiteral("/component/org_kde_powerdevil");
const QString TurnOffScreen = QStringLiteral("Turn Off Screen");

// The desktops' own lockers on the session bus, the desktop's own name before the common
// one (which a power manager may hold for inhibitions alone). Each has Lock() and
// GetActive(), and says ActiveChanged(b).
struct Locker
{
    const char *service;
    const char *path;
    bool lockTakesMessage; // Cinnamon's Lock(s) shows the text on its lock screen
};
constexpr Locker Lockers[] = {
    {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", false},
    {"org.cinnamon.ScreenSaver", "/org/cinnamon/ScreenSaver", true},
    {"org.mate.ScreenSaver", "/org/mate/ScreenSaver", false},
    {"org.xfce.ScreenSaver", "/org/xfce/ScreenSaver", false},
    // Plasma serves the same object at both paths; some lockers only the older one.
    {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", false},
    {"org.freedesktop.ScreenSaver", "/ScreenSaver", false},
};

QString lockerLabel(const Locker &locker)
{
    const QString service = QString::fromLatin1(locker.service);
    const QString path = QString::fromLatin1(locker.path);
    return u'/' + QString(service).replace(u'.', u'/') == path ? service
                                                               : service + u" at "_s + path;
}

// Indexes into Lockers of those whose names are on the bus.
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

// What a call answered, for standard error.
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

// A request that got no answer in time may still have been carried out: it is checked like
// one that was answered.
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

// Every call: answered from the event loop, at most `ms` later, and only while `context`
// lives. Services are never started for us: what does not run is not asked.
void callBounded(const QDBusConnection &bus, QDBusMessage message, int ms, QObject *context,
                 std::function<void(const QDBusMessage &)> then)
{
    message.setAutoStartService(false);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, ms), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [then = std::move(then)](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         then(finished->reply());
                     });
}

// Whether a PropertiesChanged says that `name` of `interface` is now `wanted`.
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

// Whether the X server can put the display into power saving. The X requests here go to the
// server that draws our windows, over the toolkit's own connection: should it stop
// answering, the toolkit's own painting waits on it just the same.
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

} // namespace

// One request: its steps so far, and its answer, given once. Calls made for it are dropped
// when it has answered.
class ScreenActions::Run : public QObject
{
public:
    Run(ScreenActions *owner, PowerRequester::Done done)
        : QObject(owner), m_owner(owner), m_done(std::move(done))
    {
    }

    QStringList steps;
    // A request was carried to something that then did not confirm it.
    bool asked = false;

    bool finished() const { return m_finished; }

    void call(const QDBusConnection &bus, const QDBusMessage &message,
              std::function<void(const QDBusMessage &)> then)
    {
        callBounded(bus, message, m_owner->m_boundMs, this,
                    [this, then = std::move(then)](const QDBusMessage &reply) {
                        if (!m_finished)
                            then(reply);
                    });
    }

    // After a request: reads now, and once more when the bound has passed unless something
    // has said it was done in between; says `what` it read last when it was not.
    void confirm(const QDBusConnection &bus, const QDBusMessage &read, const QString &what,
                 const QVariant &wanted, std::function<void()> next)
    {
        call(bus, read, [=, this](const QDBusMessage &first) {
            if (firstValue(first) == wanted)
                return accept();
            QTimer::singleShot(m_owner->m_boundMs, this, [=, this] {
                if (m_finished)
                    return;
                call(bus, read, [=, this](const QDBusMessage &last) {
                    if (firstValue(last) == wanted)
                        return accept();
                    steps << QStringLiteral("%1 after %2 ms: %3")
                                 .arg(what)
                                 .arg(m_owner->m_boundMs)
                                 .arg(answerText(last));
                    next();
                });
            });
        });
    }

    void accept() { finish({true, QString(), Refusal::Other, QString()}); }
    void refuse(Refusal refusal) { finish({false, steps.join(QStringLiteral("; ")), refusal, {}}); }

private:
    void finish(const PowerResult &result)
    {
        if (m_finished)
            return;
        m_finished = true;
        m_owner->forget(this);
        deleteLater();
        m_done(result);
    }

    ScreenActions *const m_owner;
    const PowerRequester::Done m_done;
    bool m_finished = false;
};

ScreenActions::ScreenActions(QDBusConnection systemBus, QDBusConnection sessionBus, QObject *parent,
                             std::chrono::milliseconds bound)
    : QObject(parent), m_system(std::move(systemBus)), m_session(std::move(sessionBus)),
      m_boundMs(int(bound.count()))
{
}

ScreenActions::~ScreenActions()
{
    for (const Subscription &s : std::as_const(m_subscribed)) {
        (s.system ? m_system : m_session)
            .disconnect(QString(), s.path, s.interface, s.member, this,
                        s.system ? SLOT(onSystemSignal(QDBusMessage))
                                 : SLOT(onSessionSignal(QDBusMessage)));
    }
}

void ScreenActions::listen(Listener listener)
{
    const Subscription subscription{listener.system, listener.path, listener.interface,
                                    listener.member};
    if (!m_subscribed.contains(subscription)) {
        // Any sender, told apart when heard: with a sender named here the toolkit would ask
        // the bus for its owner and wait for the answer.
        (listener.system ? m_system : m_session)
            .connect(QString(), listener.path, listener.interface, listener.member, this,
                     listener.system ? SLOT(onSystemSignal(QDBusMessage))
                                     : SLOT(onSessionSignal(QDBusMessage)));
        m_subscribed << subscription;
    }
    m_listeners << std::move(listener);
}

void ScreenActions::forget(const Run *run)
{
    m_listeners.removeIf([run](const Listener &l) { return l.run == run; });
}

void ScreenActions::onSystemSignal(const QDBusMessage &message)
{
    dispatch(true, message);
}

void ScreenActions::onSessionSignal(const QDBusMessage &message)
{
    dispatch(false, message);
}

void ScreenActions::dispatch(bool system, const QDBusMessage &message)
{
    // A copy: a listener that hears what it waited for ends its request and is forgotten.
    const QList<Listener> listeners = m_listeners;
    for (const Listener &l : listeners) {
        if (l.system == system && (l.sender.isEmpty() || l.sender == message.service()) &&
            l.path == message.path() && l.interface == message.interface() &&
            l.member == message.member() && !l.run->finished())
            l.heard(message);
    }
}

void ScreenActions::probe(
    std::function<void(const Capability &lock, const Capability &displayOff)> probed)
{
    struct Found
    {
        int waiting = 3; // logind, the session bus, the X server
        bool lock = false;
        bool displayOff = false;
    };
    auto found = std::make_shared<Found>();
    auto *context = new QObject(this);
    const auto answered = [this, found, context, probed = std::move(probed)] {
        if (--found->waiting > 0)
            return;
        context->deleteLater();
        probed(found->lock ? Capability{}
                           : Capability{false, tr("No screen locker answers in this session")},
               found->displayOff
                   ? Capability{}
                   : Capability{false, tr("This desktop offers no way to turn off the display")});
    };

    // A session logind knows can be locked through it: the session's locker follows logind's
    // Lock signal. Such a locker (a screen locker started for the session, following the
    // system bus) may hold no name of its own, so nothing more can be asked for here; if
    // none follows, the request says so.
    callBounded(m_system, sessionByPid(), m_boundMs, context,
                [found, answered](const QDBusMessage &reply) {
                    found->lock = found->lock || ::answered(reply);
                    answered();
                });

    callBounded(
        m_session, listNames(), m_boundMs, context,
        [this, found, context, answered](const QDBusMessage &reply) {
            const QStringList names = firstValue(reply).toStringList();
            found->lock = found->lock || !lockersAmong(names).isEmpty();
            // Each way the desktop offers is asked whether it can: Mutter says -1 when it
            // cannot, Plasma's power service lists the shortcut only when it has it.
            auto ways = std::make_shared<int>(1);
            const auto wayAnswered = [ways, answered] {
                if (--*ways == 0)
                    answered();
            };
            if (names.contains(Mutter)) {
                ++*ways;
                callBounded(m_session, getProperty(Mutter, MutterPath, Mutter, u"PowerSaveMode"_s),
                            m_boundMs, context, [found, wayAnswered](const QDBusMessage &mode) {
                                const QVariant value = firstValue(mode);
                                found->displayOff =
                                    found->displayOff || (value.isValid() && value.toInt() >= 0);
                                wayAnswered();
                            });
            }
            if (names.contains(GlobalAccel)) {
                ++*ways;
                callBounded(m_session, shortcutNames(), m_boundMs, context,
                            [found, wayAnswered](const QDBusMessage &shortcuts) {
                                found->displayOff =
                                    found->displayOff ||
                                    firstValue(shortcuts).toStringList().contains(TurnOffScreen);
                                wayAnswered();
                            });
            }
            wayAnswered();
        });

    // Said from the event loop, like every other answer.
    QTimer::singleShot(0, context, [found, answered] {
        xcb_connection_t *x11 = toolkitX11();
        QString why;
        found->displayOff = found->displayOff || (x11 && dpmsCapable(x11, &why));
        answered();
    });
}

void ScreenActions::lock(PowerRequester::Done done)
{
    auto *run = new Run(this, std::move(done));
    // Nothing is answered from inside lock().
    QTimer::singleShot(0, run, [this, run] {
        lockWithLogind(run, [this, run] {
            if (!m_session.isConnected()) {
                run->steps << QStringLiteral("session bus: not connected");
                return run->refuse(Refusal::NotConfirmed);
            }
            run->call(m_session, listNames(), [this, run](const QDBusMessage &reply) {
                const QList<int> lockers = lockersAmong(firstValue(reply).toStringList());
                if (!answered(reply))
                    run->steps << u"session bus ListNames(): "_s + answerText(reply);
                else if (lockers.isEmpty())
                    run->steps << QStringLiteral("no screen locker on the session bus");
                lockWithLockers(run, lockers);
            });
        });
    });
}

void ScreenActions::lockWithLogind(Run *run, std::function<void()> next)
{
    if (!m_system.isConnected()) {
        run->steps << QStringLiteral("system bus: not connected");
        return next();
    }
    const QString pid = QString::number(QCoreApplication::applicationPid());
    run->call(m_system, sessionByPid(), [=, this](const QDBusMessage &reply) {
        run->steps
            << QStringLiteral("%1 GetSessionByPID(%2): %3").arg(Login1, pid, answerText(reply));
        if (!answered(reply))
            return next();
        // The session's own path: Lock() on the manager without a session id locks nothing.
        const QString path = firstValue(reply).value<QDBusObjectPath>().path();
        // Whatever comes next, the hint that the session is locked ends the request; heard
        // only from logind itself.
        listen({run, true, reply.service(), path, Properties, QStringLiteral("PropertiesChanged"),
                [run](const QDBusMessage &signal) {
                    if (changedTo(signal, Login1Session, QStringLiteral("LockedHint"), true))
                        run->accept();
                }});
        run->call(
            m_system,
            QDBusMessage::createMethodCall(Login1, path, Login1Session, QStringLiteral("Lock")),
            [=, this](const QDBusMessage &locked) {
                run->steps << Login1 + u" Lock(): "_s + answerText(locked);
                if (!maybeDone(locked))
                    return next();
                run->confirm(m_system, getProperty(Login1, path, Login1Session, u"LockedHint"_s),
                             Login1 + u" LockedHint"_s, true, next);
            });
    });
}

void ScreenActions::lockWithLockers(Run *run, QList<int> lockers)
{
    if (lockers.isEmpty())
        return run->refuse(Refusal::NotConfirmed);
    const Locker *locker = &Lockers[lockers.takeFirst()];
    const QString label = lockerLabel(*locker);
    const QString service = QString::fromLatin1(locker->service);
    const QString path = QString::fromLatin1(locker->path);
    const auto next = [this, run, lockers] { lockWithLockers(run, lockers); };
    listen({run, false, QString(), path, service, QStringLiteral("ActiveChanged"),
            [run](const QDBusMessage &signal) {
                if (!signal.arguments().isEmpty() && signal.arguments().constFirst() == true)
                    run->accept();
            }});
    QDBusMessage lockCall =
        QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Lock"));
    if (locker->lockTakesMessage)
        lockCall << QString();
    run->call(m_session, lockCall, [=, this](const QDBusMessage &reply) {
        run->steps << label + u" Lock(): "_s + answerText(reply);
        if (!maybeDone(reply))
            return next();
        run->confirm(
            m_session,
            QDBusMessage::createMethodCall(service, path, service, QStringLiteral("GetActive")),
            label + u" GetActive()"_s, true, next);
    });
}

void ScreenActions::displayOff(PowerRequester::Done done)
{
    auto *run = new Run(this, std::move(done));
    // Nothing is answered from inside displayOff().
    QTimer::singleShot(0, run, [this, run] {
        displayOffWithX11(run, [this, run] {
            run->call(m_session, listNames(), [this, run](const QDBusMessage &reply) {
                const QStringList names = firstValue(reply).toStringList();
                if (!answered(reply))
                    run->steps << u"session bus ListNames(): "_s + answerText(reply);
                displayOffWithMutter(run, names, [this, run, names] {
                    displayOffWithPlasma(run, names, [run] {
                        run->refuse(run->asked ? Refusal::NotConfirmed : Refusal::NoService);
                    });
                });
            });
        });
    });
}

void ScreenActions::displayOffWithX11(Run *run, std::function<void()> next)
{
    xcb_connection_t *x11 = toolkitX11();
    if (!x11) {
        run->steps << QStringLiteral("no X11 display");
        return next();
    }
    QString why;
    if (!dpmsCapable(x11, &why)) {
        run->steps << why;
        return next();
    }
    xcb_dpms_info_reply_t *info = xcb_dpms_info_reply(x11, xcb_dpms_info(x11), nullptr);
    const bool enabled = info && info->state;
    std::free(info);
    // Forcing a level while DPMS is disabled answers BadMatch: it is enabled first, and left
    // so, since disabling it again would turn the display back on. The server's own timeouts
    // apply from then on.
    xcb_generic_error_t *error =
        enabled ? nullptr : xcb_request_check(x11, xcb_dpms_enable_checked(x11));
    if (!error)
        error = xcb_request_check(x11, xcb_dpms_force_level_checked(x11, XCB_DPMS_DPMS_MODE_OFF));
    if (error) {
        run->steps << QStringLiteral("X server DPMS: error %1").arg(error->error_code);
        std::free(error);
        return next();
    }
    run->asked = true;
    info = xcb_dpms_info_reply(x11, xcb_dpms_info(x11), nullptr);
    const int level = info ? info->power_level : -1;
    std::free(info);
    if (level == XCB_DPMS_DPMS_MODE_OFF)
        return run->accept();
    run->steps << QStringLiteral("X server DPMS level after ForceLevel(off): %1").arg(level);
    next();
}

void ScreenActions::displayOffWithMutter(Run *run, const QStringList &names,
                                         std::function<void()> next)
{
    if (!names.contains(Mutter)) {
        run->steps << Mutter + u": not on the session bus"_s;
        return next();
    }
    const QDBusMessage read = getProperty(Mutter, MutterPath, Mutter, u"PowerSaveMode"_s);
    run->call(m_session, read, [=, this](const QDBusMessage &before) {
        // -1: this display cannot save power, and is not to be asked to.
        if (!answered(before) || firstValue(before).toInt() < 0) {
            run->steps << Mutter + u" PowerSaveMode: "_s + answerText(before);
            return next();
        }
        listen({run, false, before.service(), MutterPath, Properties,
                QStringLiteral("PropertiesChanged"), [run](const QDBusMessage &signal) {
                    if (changedTo(signal, Mutter, QStringLiteral("PowerSaveMode"), 3))
                        run->accept();
                }});
        QDBusMessage set =
            QDBusMessage::createMethodCall(Mutter, MutterPath, Properties, QStringLiteral("Set"));
        // 3 is off; standby and suspend (1, 2) are no different on most displays today.
        set << Mutter << QStringLiteral("PowerSaveMode") << QVariant::fromValue(QDBusVariant(3));
        run->call(m_session, set, [=, this](const QDBusMessage &reply) {
            run->steps << Mutter + u" PowerSaveMode=3: "_s + answerText(reply);
            if (!maybeDone(reply))
                return next();
            run->asked = true;
            run->confirm(m_session, read, Mutter + u" PowerSaveMode"_s, 3, next);
        });
    });
}

void ScreenActions::displayOffWithPlasma(Run *run, const QStringList &names,
                                         std::function<void()> next)
{
    if (!names.contains(GlobalAccel)) {
        run->steps << GlobalAccel + u": not on the session bus"_s;
        return next();
    }
    run->call(m_session, shortcutNames(), [=, this](const QDBusMessage &shortcuts) {
        if (!firstValue(shortcuts).toStringList().contains(TurnOffScreen)) {
            run->steps << GlobalAccel + u" "_s + PowerDevilShortcuts + u" shortcutNames(): "_s +
                              answerText(shortcuts);
            return next();
        }
        QDBusMessage invoke = QDBusMessage::createMethodCall(GlobalAccel, PowerDevilShortcuts,
                                                             GlobalAccel + u".Component"_s,
                                                             QStringLiteral("invokeShortcut"));
        invoke << TurnOffScreen;
        run->call(m_session, invoke, [=](const QDBusMessage &reply) {
            run->steps << GlobalAccel + u" invokeShortcut("_s + TurnOffScreen + u"): "_s +
                              answerText(reply);
            if (!answered(reply))
                return next();
            // Plasma tells nobody on the bus whether its outputs are off: the shortcut's
            // answer is all there is to go by.
            run->accept();
        });
    });
}
