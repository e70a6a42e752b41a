#include "platform/linux/ScreenParts.h"

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
using namespace ScreenParts;

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
