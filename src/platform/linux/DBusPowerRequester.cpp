#include "platform/linux/DBusPowerRequester.h"

#include "platform/Platform.h"
#include "platform/linux/BusProbe.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QVariant>

namespace {

QVariant toVariant(const PowerArg &arg)
{
    switch (arg.type) {
    case PowerArg::Type::UInt32:
        return QVariant::fromValue(static_cast<quint32>(arg.value));
    case PowerArg::Type::Int32:
        return QVariant::fromValue(static_cast<qint32>(arg.value));
    case PowerArg::Type::UInt64:
        return QVariant::fromValue(static_cast<qulonglong>(arg.value));
    case PowerArg::Type::Bool:
        return QVariant::fromValue(arg.value != 0);
    }
    return {};
}

// Messages on one connection leave in order: once the bus has answered a later message,
// the earlier one is out of the process. (GetId rather than Peer.Ping: a bus monitor would
// answer a Ping itself and be thrown off the bus for it.)
void flushThenAnswer(const QDBusConnection &bus, std::function<void()> then)
{
    const QDBusMessage getId = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId"));
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(getId, 1000));
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

// The buses are joined only when a request is due; the environment decides which buses
// (DBUS_SYSTEM_BUS_ADDRESS, DBUS_SESSION_BUS_ADDRESS) and which desktop. Each is knocked
// at first: the toolkit's own connecting would wait for ever on a bus that never answers.
class LazyPowerRequester final : public QObject, public PowerRequester
{
public:
    void request(Action action, bool force, Done done) override
    {
        if (m_requester) {
            m_requester->request(action, force, std::move(done));
            return;
        }
        auto answers = std::make_shared<std::pair<int, BusAnswer>>(0, BusAnswer::Answers);
        const auto joined = [this, answers, action, force, done = std::move(done)] {
            if (++answers->first < 2)
                return;
            if (m_systemAnswer == BusAnswer::Silent) {
                done({false,
                      QStringLiteral("the system bus at %1 did not answer").arg(systemBusAddress()),
                      Refusal::NoAnswer, QString()});
                return;
            }
            // A silent session bus only takes the session managers away; logind remains.
            m_requester = std::make_unique<DBusPowerRequester>(
                QDBusConnection::systemBus(),
                answers->second == BusAnswer::Silent ? QDBusConnection(QString())
                                                     : QDBusConnection::sessionBus(),
                qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
            m_requester->request(action, force, done);
        };
        probeBus(systemBusAddress(), ProbeMs, this, [this, joined](BusAnswer answer) {
            m_systemAnswer = answer;
            joined();
        });
        const QString session = sessionBusAddress();
        probeBus(session.isEmpty() ? QStringLiteral("autolaunch:") : session, ProbeMs, this,
                 [answers, joined](BusAnswer answer) {
                     answers->second = answer;
                     joined();
                 });
    }

private:
    static constexpr int ProbeMs = 3000;
    BusAnswer m_systemAnswer = BusAnswer::Answers;
    std::unique_ptr<DBusPowerRequester> m_requester;
};

} // namespace

DBusPowerRequester::DBusPowerRequester(QDBusConnection systemBus, QDBusConnection sessionBus,
                                       QString xdgCurrentDesktop, std::chrono::milliseconds bound)
    : m_system(std::move(systemBus)), m_session(std::move(sessionBus)),
      m_desktop(powerDesktopFrom(xdgCurrentDesktop)), m_bound(bound)
{
}

struct DBusPowerRequester::Call
{
    PowerChainRun run;
    Done done;
};

void DBusPowerRequester::request(Action action, bool force, Done done)
{
    auto call = std::make_shared<Call>(Call{PowerChainRun(powerChainFor(m_desktop, action, force),
                                                          refusalWhenNothingAnswers(action, force)),
                                            std::move(done)});
    sendNext(call);
}

void DBusPowerRequester::sendNext(const std::shared_ptr<Call> &call)
{
    const PowerStep *step = call->run.next();
    if (!step) {
        call->done(call->run.result());
        return;
    }
    const QDBusConnection &bus = step->bus == PowerBus::System ? m_system : m_session;
    if (!bus.isConnected()) {
        answer(call,
               {PowerReply::Kind::Error, QStringLiteral("org.freedesktop.DBus.Error.Disconnected"),
                bus.lastError().message()});
        return;
    }
    QDBusMessage message =
        QDBusMessage::createMethodCall(step->service, step->path, step->interface, step->method);
    QVariantList args;
    for (const PowerArg &arg : step->args)
        args << toVariant(arg);
    message.setArguments(args);
    message.setAutoStartService(step->autoStart);
    message.setInteractiveAuthorizationAllowed(AllowInteractiveAuthorization);

    // Bounded: some session managers answer only when the session has ended, or never;
    // an error, though, comes back at once.
    const bool query = step->query;
    auto *watcher =
        new QDBusPendingCallWatcher(bus.asyncCall(message, static_cast<int>(m_bound.count())));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [this, call, query, bus](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         const QDBusMessage reply = finished->reply();
                         if (reply.type() == QDBusMessage::ReplyMessage) {
                             answer(call,
                                    {PowerReply::Kind::Reply, QString(),
                                     query ? reply.arguments().value(0).toString() : QString()});
                             return;
                         }
                         const QString name = reply.errorName();
                         // NoReply: the bound ran out, or the service left the bus without
                         // answering (a session manager ending its session does that).
                         if (name != QLatin1String("org.freedesktop.DBus.Error.NoReply")) {
                             answer(call, {PowerReply::Kind::Error, name, reply.errorMessage()});
                             return;
                         }
                         flushThenAnswer(bus, [this, call] {
                             answer(call, {PowerReply::Kind::Silence, QString(), QString()});
                         });
                     });
}

void DBusPowerRequester::answer(const std::shared_ptr<Call> &call, const PowerReply &reply)
{
    call->run.answer(reply);
    sendNext(call);
}

std::unique_ptr<PowerRequester> Platform::makePowerRequester()
{
    return std::make_unique<LazyPowerRequester>();
}
