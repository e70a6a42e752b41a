#include "app/InstanceChannel.h"

#include "core/Log.h"
#include "core/ScheduleRule.h"
#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <optional>

namespace {

constexpr int WaitMs = 5000;
constexpr int ConnectMs = 5000;
constexpr int RetryMs = 1000;
constexpr int LengthBytes = 4;
// Between attempts to reach a holder that does not listen yet: soon at first, as it is
// about to, then less often.
constexpr int FirstPauseMs = 10;
constexpr int LastPauseMs = 200;

static_assert(InstanceChannel::AnswerLimit >= ScheduleRules::MaximumCount * 256 + 1024,
              "the list of schedules must fit into an answer");

QByteArray frame(const QByteArray &payload)
{
    QByteArray bytes(LengthBytes, Qt::Uninitialized);
    qToBigEndian(quint32(payload.size()), bytes.data());
    return bytes + payload;
}

// The payload of a whole frame, once the bytes read so far hold one; an empty optional
// while more is to come. *tooLong when the frame announces more than `limit`.
std::optional<QByteArray> payloadOf(const QByteArray &bytes, int limit, bool *tooLong)
{
    *tooLong = false;
    if (bytes.size() < LengthBytes)
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(bytes.constData());
    *tooLong = length > quint32(limit);
    if (*tooLong || bytes.size() < LengthBytes + qsizetype(length))
        return std::nullopt;
    return bytes.mid(LengthBytes, length);
}

std::optional<QStringList> argumentsFrom(const QByteArray &payload)
{
    if (!payload.isEmpty() && !payload.endsWith('\0'))
        return std::nullopt;
    QStringList arguments;
    for (const QByteArray &piece : payload.chopped(payload.isEmpty() ? 0 : 1).split('\0')) {
        arguments << QString::fromUtf8(piece);
        if (arguments.last().toUtf8() != piece) // not UTF-8
            return std::nullopt;
    }
    if (payload.isEmpty())
        arguments.clear();
    return arguments;
}

} // namespace

InstanceChannel::InstanceChannel(const QString &directory, Handler handle, QObject *parent)
    : QObject(parent), m_path(SingleInstance::channelName(directory)), m_handle(std::move(handle))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Connections beyond these wait in the system's queue, not as descriptors of ours.
    m_server.setMaxPendingConnections(ClientLimit);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceChannel::takeClients);
    // The toolkit closes the server, and removes its socket, when a connection cannot be
    // accepted (no descriptors left); a socket removed by anybody else is lost the same way.
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this,
            &InstanceChannel::onSocketFileChanged);
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (!listen())
            m_retry.start();
    });
    if (!listen())
        qCWarning(lcOrvanta, "command-line hand-off is off: cannot listen at %s: %s",
                  qUtf8Printable(m_path), qUtf8Printable(m_server.errorString()));
}

bool InstanceChannel::listen()
{
    // Whatever is left there belongs to a dead instance: the caller holds the lock.
    QLocalServer::removeServer(m_path);
    if (!m_server.listen(m_path))
        return false;
    m_watcher.addPath(m_server.fullServerName());
    return true;
}

void InstanceChannel::onSocketFileChanged()
{
    if (m_server.isListening() && QFileInfo::exists(m_server.fullServerName()))
        return;
    qCWarning(lcOrvanta, "command-line hand-off lost its socket %s (%s); listening again",
              qUtf8Printable(m_path), qUtf8Printable(m_server.errorString()));
    m_server.close();
    if (!listen())
        m_retry.start();
}

void InstanceChannel::takeClients()
{
    // Beyond the limit connections wait, in the toolkit's short queue and then in the
    // system's, and cost nothing here however many come: the window's timers keep their
    // precision, and no descriptors run out.
    while (m_incoming.size() < ClientLimit) {
        QLocalSocket *client = m_server.nextPendingConnection();
        if (!client)
            return;
        adopt(client);
    }
}

InstanceChannel::Incoming *InstanceChannel::incoming(QLocalSocket *client)
{
    const auto found = std::find_if(m_incoming.begin(), m_incoming.end(),
                                    [client](const Incoming &i) { return i.client == client; });
    return found == m_incoming.end() ? nullptr : &*found;
}

void InstanceChannel::forget(QLocalSocket *client)
{
    m_incoming.removeIf([client](const Incoming &i) { return i.client == client; });
}

void InstanceChannel::adopt(QLocalSocket *client)
{
    // Owned here, so that none outlives the channel's own members.
    client->setParent(this);
    client->setReadBufferSize(LengthBytes + MessageLimit);
    m_incoming.append({client, QByteArray()});
    connect(client, &QObject::destroyed, this, [this, client] {
        forget(client);
        takeClients();
    });
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    connect(client, &QLocalSocket::readyRead, this, [this, client] { read(client); });
    QTimer::singleShot(IdleMs, client, [this, client] {
        read(client); // what came while the window was busy counts
        if (incoming(client))
            drop(client);
    });
    read(client);
}

void InstanceChannel::drop(QLocalSocket *client)
{
    forget(client);
    client->abort();
    client->deleteLater();
}

void InstanceChannel::read(QLocalSocket *client)
{
    // Gone from here once its message is taken: whatever follows is not read.
    Incoming *received = incoming(client);
    if (!received)
        return;
    QByteArray &bytes = received->bytes;
    bool tooLong = false;
    std::optional<QByteArray> payload;
    // Only as much as the frame still needs: each byte is looked at once.
    while (!(payload = payloadOf(bytes, MessageLimit, &tooLong)) && !tooLong) {
        const qint64 wanted =
            bytes.size() < LengthBytes
                ? LengthBytes - bytes.size()
                : LengthBytes + qFromBigEndian<quint32>(bytes.constData()) - bytes.size();
        const QByteArray more = client->read(wanted);
        if (more.isEmpty())
            return; // the rest later
        bytes += more;
    }
    const std::optional<QStringList> arguments = payload ? argumentsFrom(*payload) : std::nullopt;
    if (!arguments) {
        drop(client); // too long, or not a command line
        return;
    }
    forget(client);
    m_pending.enqueue({client, *arguments});
    applyPending();
}

void InstanceChannel::open()
{
    m_open = true;
    applyPending();
}

void InstanceChannel::applyPending()
{
    // One at a time, to its end, in the order they came; never re-entered.
    if (m_applying || !m_open)
        return;
    m_applying = true;
    while (!m_pending.isEmpty()) {
        const Pending next = m_pending.dequeue();
        const CommandOutcome outcome = m_handle(next.arguments);
        // The client may have gone while its command was applied.
        if (!next.client || next.client->state() != QLocalSocket::ConnectedState)
            continue;
        next.client->write(frame(char(outcome.kind) + outcome.text.toUtf8()));
        next.client->disconnectFromServer();
    }
    m_applying = false;
}

bool InstanceChannel::connectToHolder(QLocalSocket &socket, const QString &directory, QString *why)
{
    // Two first starts at the same moment: the one that lost the lock comes here while the
    // other is still starting up, its channel not made yet (or a dead one's socket left).
    const QDeadlineTimer deadline(ConnectMs);
    for (int pause = FirstPauseMs;; pause = std::min(2 * pause, LastPauseMs)) {
        socket.connectToServer(SingleInstance::channelName(directory));
        if (socket.waitForConnected(int(std::max<qint64>(deadline.remainingTime(), 1))))
            return true;
        *why = socket.errorString();
        const QLocalSocket::LocalSocketError error = socket.error();
        if ((error != QLocalSocket::ServerNotFoundError &&
             error != QLocalSocket::ConnectionRefusedError) ||
            deadline.remainingTime() < pause)
            return false;
        // The system lets go of the lock when its holder ends: held, it lives.
        if (SingleInstance(directory).acquire() != SingleInstance::Status::AlreadyRunning) {
            *why = tr("it ended before it took the command");
            return false;
        }
        QThread::msleep(pause);
    }
}

InstanceChannel::Delivery InstanceChannel::send(const QString &directory,
                                                const QStringList &arguments,
                                                CommandOutcome *outcome, QString *why)
{
    QByteArray payload;
    for (const QString &argument : arguments)
        payload += argument.toUtf8() + '\0';
    if (payload.size() > MessageLimit) {
        *why = tr("the arguments are too long to hand over");
        return Delivery::Unreachable;
    }
    QLocalSocket socket;
    if (!connectToHolder(socket, directory, why))
        return Delivery::Unreachable;
    // Before a word goes out: its answer would be believed, and the arguments are nobody
    // else's business.
    if (!SingleInstance::servedByThisUser(socket.socketDescriptor(), why))
        return Delivery::Unreachable;
    socket.write(frame(payload));
    const QDeadlineTimer deadline(WaitMs);
    // Never more kept than one whole answer holds.
    socket.setReadBufferSize(LengthBytes + AnswerLimit);
    QByteArray answer;
    bool tooLong = false;
    std::optional<QByteArray> text;
    while (!(text = payloadOf(answer, AnswerLimit, &tooLong)) && !tooLong) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return Delivery::Unanswered;
        answer += socket.readAll();
    }
    if (tooLong || text->isEmpty() || quint8(text->at(0)) > quint8(CommandOutcome::Kind::TooLate))
        return Delivery::Unanswered;
    outcome->kind = CommandOutcome::Kind(text->at(0));
    outcome->text = QString::fromUtf8(text->mid(1));
    return Delivery::Answered;
}
