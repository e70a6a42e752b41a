#include "platform/linux/DBusPowerRequester.h"

#include "platform/linux/PowerCalls.h"
#include "platform/linux/ScreenActions.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QTimer>
#include <QVariant>

#include <algorithm>

namespace {

using PowerChain::Arg;
using PowerChain::Reply;

QVariant toVariant(const Arg &arg)
{
    switch (arg.type) {
    case Arg::Type::UInt32:
        return QVariant::fromValue(static_cast<quint32>(arg.value));
    case Arg::Type::Int32:
        return QVariant::fromValue(static_cast<qint32>(arg.value));
    case Arg::Type::UInt64:
        return QVariant::fromValue(static_cast<qulonglong>(arg.value));
    case Arg::Type::Bool:
        return QVariant::fromValue(arg.value != 0);
    }
    return {};
}

// ListInhibitors' a(ssssuu): what, who, why, mode, uid, pid. Empty for any other answer.
QList<PowerCalls::Inhibitor> readInhibitors(const QDBusMessage &reply)
{
    QList<PowerCalls::Inhibitor> inhibitors;
    if (reply.type() != QDBusMessage::ReplyMessage ||
        reply.signature() != QLatin1String("a(ssssuu)"))
        return inhibitors;
    const auto array = reply.arguments().value(0).value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        PowerCalls::Inhibitor inhibitor;
        quint32 uid = 0;
        array.beginStructure();
        array >> inhibitor.what >> inhibitor.who >> inhibitor.why >> inhibitor.mode >> uid >>
            inhibitor.pid;
        array.endStructure();
        inhibitors << inhibitor;
    }
    array.endArray();
    return inhibitors;
}

// The toolkit's call on a connection that never came up never finishes: answered with the
// connection's own error instead, from the event loop like any answer.
QDBusPendingCall sendTo(const QDBusConnection &bus, const QDBusMessage &message, int ms)
{
    if (!bus.isConnected())
        return QDBusPendingCall::fromError(
            QDBusError(QDBusError::Disconnected, bus.lastError().message()));
    return bus.asyncCall(message, ms);
}

QString translated(const char *text)
{
    return QCoreApplication::translate("DBusPowerRequester", text);
}

// Messages on one connection leave in order: once the bus has answered a later message,
// the earlier one is out of the process. (GetId rather than Peer.Ping: a bus monitor would
// answer a Ping itself and be thrown off the bus for it.)
void flushThenAnswer(const QDBusConnection &bus, QObject *context, std::function<void()> then)
{
    const QDBusMessage getId = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId"));
    auto *watcher = new QDBusPendingCallWatcher(sendTo(bus, getId, 1000), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [then = std::move(then)](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         then();
                     });
}

// The request is for when nobody may be watching (the end of a countdown): no
// authentication prompt is asked for. Where logind's policy wants one, it answers
// InteractiveAuthorizationRequired, which refuses the request instead of leaving a
// dialog pending after the program has gone.
constexpr bool AllowInteractiveAuthorization = false;

} // namespace

DBusPowerRequester::DBusPowerRequester(QDBusConnection systemBus, QDBusConnection sessionBus,
                                       QString xdgCurrentDesktop, std::chrono::milliseconds bound,
                                       std::chrono::milliseconds actingBound,
                                       std::chrono::milliseconds endBound)
    : m_system(std::move(systemBus)), m_session(std::move(sessionBus)),
      m_desktop(std::move(xdgCurrentDesktop)), m_bound(bound), m_actingBound(actingBound),
      m_endBound(endBound), m_screen(new ScreenActions(m_system, m_session, this, bound))
{
}

DBusPowerRequester::~DBusPowerRequester() = default;

struct DBusPowerRequester::Call
{
    PowerChain::Run run;
    Done done;
    Action action;
    // The programs whose inhibitor refused the request, when logind named an inhibitor.
    QString holders;
};

struct DBusPowerRequester::Probe
{
    Probed probed;
    Capabilities capabilities;
    // logind's answers for power off, restart, sleep and hibernate; empty: none came.
    std::array<QString, 4> words;
    int pending = 0;
    bool finished = false;
};

namespace {
constexpr std::array<Action, 4> LogindActions = {Action::PowerOff, Action::Restart, Action::Sleep,
                                                 Action::Hibernate};
} // namespace

void DBusPowerRequester::deliver(std::function<void()> answer)
{
    // From the event loop, never from inside a request or probe: the caller's state is
    // settled by then.
    QTimer::singleShot(0, this, std::move(answer));
}

void DBusPowerRequester::probe(Probed probed)
{
    auto probe = std::make_shared<Probe>();
    probe->probed = std::move(probed);
    // The screen's questions on a bus that is not there never end: without either bus they
    // are not asked, and the probe ends at a deadline whatever has not answered by then
    // (the screen asks twice in a row, each within the bound).
    const bool anyBus = m_system.isConnected() || m_session.isConnected();
    const Capability screenUnknown{
        false, anyBus ? translated("The session's services did not answer in time")
                      : translated("Neither the system bus nor the session bus can be reached")};
    probe->capabilities[static_cast<std::size_t>(Action::Lock)] = screenUnknown;
    probe->capabilities[static_cast<std::size_t>(Action::DisplayOff)] = screenUnknown;
    // logind's questions, the screen's actions, the session managers that run.
    probe->pending = static_cast<int>(LogindActions.size()) + (anyBus ? 2 : 1);
    const auto partDone = [this, probe] {
        if (--probe->pending == 0)
            finishProbe(probe);
    };
    QTimer::singleShot(2 * m_bound + std::chrono::milliseconds(500), this,
                       [this, probe] { finishProbe(probe); });
    for (std::size_t i = 0; i < LogindActions.size(); ++i) {
        ask(PowerCalls::canMethod(LogindActions[i]), [probe, i, partDone](const QString &word) {
            probe->words[i] = word;
            partDone();
        });
    }
    if (anyBus) {
        m_screen->probe([probe, partDone](const Capability &lock, const Capability &displayOff) {
            probe->capabilities[static_cast<std::size_t>(Action::Lock)] = lock;
            probe->capabilities[static_cast<std::size_t>(Action::DisplayOff)] = displayOff;
            partDone();
        });
    }
    prepare();
    if (m_running)
        partDone();
    else
        m_waiting << partDone;
}

void DBusPowerRequester::ask(const QString &method,
                             std::function<void(const QString &word)> answered)
{
    const QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), method);
    auto *watcher = new QDBusPendingCallWatcher(
        sendTo(m_system, message, static_cast<int>(m_bound.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [answered = std::move(answered)](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                const bool word = reply.type() == QDBusMessage::ReplyMessage &&
                                  reply.signature() == QLatin1String("s");
                answered(word ? reply.arguments().value(0).toString() : QString());
            });
}

bool DBusPowerRequester::managerTakes(Action action) const
{
    const auto steps =
        PowerCalls::chainFor(m_desktop, m_running.value_or(QSet<QString>()), action, false);
    return std::any_of(steps.begin(), steps.end(), [](const PowerChain::Step &step) {
        return step.bus == PowerChain::Bus::Session;
    });
}

void DBusPowerRequester::finishProbe(const std::shared_ptr<Probe> &probe)
{
    if (std::exchange(probe->finished, true))
        return;
    QString anyWord;
    for (std::size_t i = 0; i < LogindActions.size(); ++i) {
        const Action action = LogindActions[i];
        Capability capability =
            PowerCalls::capabilityFor(action, probe->words[i], managerTakes(action));
        // Said as it is: no service could be asked at all.
        if (!capability.possible && !m_system.isConnected())
            capability.reason = translated("The system bus cannot be reached: %1")
                                    .arg(m_system.lastError().message());
        probe->capabilities[static_cast<std::size_t>(action)] = capability;
        if (anyWord.isEmpty())
            anyWord = probe->words[i];
    }
    probe->capabilities[static_cast<std::size_t>(Action::LogOff)] =
        PowerCalls::capabilityFor(Action::LogOff, anyWord, managerTakes(Action::LogOff));
    deliver([probe] { probe->probed(probe->capabilities); });
}

void DBusPowerRequester::prepare()
{
    if (m_watcher || m_running)
        return;
    if (!m_session.isConnected()) {
        m_running.emplace();
        return;
    }
    // Watched before the names are asked for: a change after the answer is not lost.
    const QStringList services = PowerCalls::sessionManagerServices();
    m_watcher = new QDBusServiceWatcher(QString(), m_session,
                                        QDBusServiceWatcher::WatchForOwnerChange, this);
    m_watcher->setWatchedServices(services);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this](const QString &name) {
        if (m_running)
            m_running->insert(name);
    });
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            [this](const QString &name) {
                if (m_running)
                    m_running->remove(name);
            });
    const QDBusMessage listNames = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"));
    auto *watcher = new QDBusPendingCallWatcher(
        sendTo(m_session, listNames, static_cast<int>(m_bound.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, services](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                QSet<QString> running;
                for (const QString &name : services) {
                    // Without the list, each call says for itself whether it is there.
                    if (reply.type() != QDBusMessage::ReplyMessage ||
                        reply.arguments().value(0).toStringList().contains(name))
                        running.insert(name);
                }
                m_running = running;
                for (const auto &then : std::exchange(m_waiting, {}))
                    then();
            });
}

void DBusPowerRequester::request(Action action, bool force, Done done)
{
    // The screen's own answers may come at once: passed on from the event loop.
    const auto later = [this, done](const PowerResult &result) {
        deliver([done, result] { done(result); });
    };
    if (action == Action::Lock) {
        m_screen->lock(later);
        return;
    }
    if (action == Action::DisplayOff) {
        m_screen->displayOff(later);
        return;
    }
    prepare();
    if (m_running)
        start(action, force, std::move(done));
    else
        m_waiting << [this, action, force, done = std::move(done)] { start(action, force, done); };
}

void DBusPowerRequester::start(Action action, bool force, Done done)
{
    auto call = std::make_shared<Call>(
        Call{PowerChain::Run(PowerCalls::chainFor(m_desktop, *m_running, action, force),
                             PowerChain::whenNothingAnswers(action, force)),
             std::move(done), action, QString()});
    sendNext(call);
}

void DBusPowerRequester::sendNext(const std::shared_ptr<Call> &call)
{
    const PowerChain::Step *step = call->run.next();
    if (!step) {
        PowerResult result = call->run.result();
        if (!call->holders.isEmpty() && result.refusal == Refusal::Inhibited)
            result.detail = call->holders;
        deliver([call, result] { call->done(result); });
        return;
    }
    const QDBusConnection &bus = step->bus == PowerChain::Bus::System ? m_system : m_session;
    QDBusMessage message =
        QDBusMessage::createMethodCall(step->service, step->path, step->interface, step->method);
    QVariantList args;
    for (const Arg &arg : step->args)
        args << toVariant(arg);
    message.setArguments(args);
    message.setAutoStartService(step->autoStart);
    message.setInteractiveAuthorizationAllowed(AllowInteractiveAuthorization);

    // Bounded: a question briefly; a call that acts and should answer longer, as its
    // silence leaves the user knowing nothing; a call that answers only when the session
    // ends is said unanswered after the short bound and is listened to until the long one.
    const bool query = step->query;
    const bool logind = step->bus == PowerChain::Bus::System;
    const auto bound = query ? m_bound : step->answersAtSessionEnd ? m_endBound : m_actingBound;
    auto *watcher =
        new QDBusPendingCallWatcher(sendTo(bus, message, static_cast<int>(bound.count())), this);
    if (step->answersAtSessionEnd) {
        QTimer::singleShot(m_bound, watcher, [this, call, watcher, bus] {
            if (!watcher->isFinished())
                flushThenAnswer(bus, this, [this, call] {
                    answer(call, {Reply::Kind::Silence, QString(), QString(), Refusal::NoAnswer});
                });
        });
    }
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, this,
        [this, call, query, logind, bus](QDBusPendingCallWatcher *finished) {
            finished->deleteLater();
            const QDBusMessage reply = finished->reply();
            if (reply.type() == QDBusMessage::ReplyMessage) {
                answer(call,
                       {Reply::Kind::Reply, QString(),
                        query ? reply.arguments().value(0).toString() : QString(), Refusal::Other});
                return;
            }
            const QString name = reply.errorName();
            // NoReply: the bound ran out, or the service left the bus without
            // answering (a session manager ending its session does that). NoReply or
            // Timeout as the service's own answer: a wait of its own ran out (logind's on
            // the service manager), which leaves the request as open as silence does.
            if (name != QLatin1String("org.freedesktop.DBus.Error.NoReply") &&
                name != QLatin1String("org.freedesktop.DBus.Error.Timeout")) {
                const Reply refused{Reply::Kind::Error, name, reply.errorMessage(),
                                    PowerCalls::refusalFor(name)};
                if (logind && name == PowerCalls::BlockedByInhibitor)
                    nameHolders(call, refused);
                else
                    answer(call, refused);
                return;
            }
            // Our bound running out reads as NoReply too: only Timeout is named.
            const QString said =
                name == QLatin1String("org.freedesktop.DBus.Error.Timeout") ? name : QString();
            flushThenAnswer(bus, this, [this, call, said] {
                answer(call, {Reply::Kind::Silence, said, QString(), Refusal::NoAnswer});
            });
        });
}

void DBusPowerRequester::nameHolders(const std::shared_ptr<Call> &call,
                                     const PowerChain::Reply &refusal)
{
    // logind's refusal names nobody. Without the list its own words stay the detail.
    const QDBusMessage list = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ListInhibitors"));
    auto *watcher = new QDBusPendingCallWatcher(
        sendTo(m_system, list, static_cast<int>(m_bound.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, call, refusal](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                call->holders =
                    PowerCalls::inhibitorHolders(readInhibitors(finished->reply()), call->action);
                answer(call, refusal);
            });
}

void DBusPowerRequester::answer(const std::shared_ptr<Call> &call, const Reply &reply)
{
    // An answer after the end that changes nothing is not told again.
    if (call->run.answer(reply))
        sendNext(call);
}
