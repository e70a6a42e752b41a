#include "platform/linux/BusProbe.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The socket of the first "unix:" entry of an address ("unix:path=/run/bus,guid=…").
bool unixSocketOf(const QString &address, QString *name, bool *abstract)
{
    const QString first = address.section(QLatin1Char(';'), 0, 0);
    if (!first.startsWith(QLatin1String("unix:")))
        return false;
    for (const QString &pair : first.mid(5).split(QLatin1Char(','))) {
        const QString key = pair.section(QLatin1Char('='), 0, 0);
        const QString value = QUrl::fromPercentEncoding(pair.section(QLatin1Char('='), 1).toUtf8());
        if (key == QLatin1String("path") || key == QLatin1String("abstract")) {
            *name = value;
            *abstract = key == QLatin1String("abstract");
            return true;
        }
    }
    return false;
}

void appendUInt32(QByteArray &bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void padTo8(QByteArray &bytes)
{
    while (bytes.size() % 8 != 0)
        bytes.append('\0');
}

// org.freedesktop.DBus.Hello(), the first message of every client, in the wire format.
QByteArray helloMessage()
{
    QByteArray fields;
    const auto field = [&fields](char code, char type, const QByteArray &value) {
        padTo8(fields); // each header field is a struct
        fields.append(code).append('\1').append(type).append('\0');
        appendUInt32(fields, static_cast<quint32>(value.size()));
        fields.append(value).append('\0');
    };
    field(1, 'o', "/org/freedesktop/DBus"); // path
    field(2, 's', "org.freedesktop.DBus");  // interface
    field(3, 's', "Hello");                 // member
    field(6, 's', "org.freedesktop.DBus");  // destination
    // Little-endian, a method call, no flags, protocol 1; no body; serial 1.
    QByteArray message("l\1\0\1", 4);
    appendUInt32(message, 0);
    appendUInt32(message, 1);
    appendUInt32(message, static_cast<quint32>(fields.size()));
    message += fields;
    padTo8(message);
    return message;
}

// The client's side of joining a bus, as the toolkit's library goes through it: the
// EXTERNAL authentication, the offer to pass file descriptors, then Hello. A bus that
// stops answering at any of these would hold the toolkit for ever.
class Handshake
{
public:
    // A NUL byte, then the first line of the EXTERNAL handshake: our user id in hex.
    static QByteArray start()
    {
        return QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(::getuid()).toHex() +
               "\r\n";
    }

    // What the bus sent; returns what goes back to it.
    QByteArray feed(const QByteArray &data)
    {
        m_buffer += data;
        QByteArray out;
        while (!m_finished) {
            if (m_stage == Stage::Hello) {
                // Anything after BEGIN is a message: the answer to Hello.
                m_finished = !m_buffer.isEmpty();
                break;
            }
            const qsizetype end = m_buffer.indexOf("\r\n");
            if (end < 0)
                break;
            const QByteArray line = m_buffer.left(end);
            m_buffer.remove(0, end + 2);
            if (m_stage == Stage::Auth) {
                // Another mechanism wanted: the bus is alive, and the rest is the toolkit's.
                m_finished = !line.startsWith("OK ");
                m_stage = Stage::UnixFd;
                out += "NEGOTIATE_UNIX_FD\r\n";
            } else {
                // AGREE_UNIX_FD or ERROR: either way the session begins.
                m_stage = Stage::Hello;
                out += "BEGIN\r\n" + helloMessage();
            }
        }
        return m_finished ? QByteArray() : out;
    }
    bool finished() const { return m_finished; }

private:
    enum class Stage
    {
        Auth,
        UnixFd,
        Hello
    };
    Stage m_stage = Stage::Auth;
    QByteArray m_buffer;
    bool m_finished = false;
};

bool sendAll(int fd, const QByteArray &bytes)
{
    // A few hundred bytes into an empty socket buffer: written at once or not at all.
    return ::send(fd, bytes.constData(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
}

} // namespace

BusAnswer probeBusNow(const QString &address, int timeoutMs)
{
    QString name;
    bool abstract = false;
    if (!unixSocketOf(address, &name, &abstract))
        return BusAnswer::Answers;
    sockaddr_un peer = {};
    peer.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(name);
    if (path.size() + 2 > static_cast<qsizetype>(sizeof peer.sun_path))
        return BusAnswer::Answers; // the toolkit will say what it makes of it
    std::memcpy(peer.sun_path + (abstract ? 1 : 0), path.constData(), path.size());
    const socklen_t length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + (abstract ? 1 : 0));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return BusAnswer::Answers;
    const QDeadlineTimer deadline(timeoutMs);
    BusAnswer answer = BusAnswer::Silent;
    Handshake handshake;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&peer), length) != 0) {
        answer =
            errno == EAGAIN || errno == EINPROGRESS ? BusAnswer::Silent : BusAnswer::Unreachable;
    } else if (!sendAll(fd, Handshake::start())) {
        answer = BusAnswer::Unreachable;
    } else {
        pollfd wait = {fd, POLLIN, 0};
        char buffer[512];
        while (::poll(&wait, 1, static_cast<int>(deadline.remainingTime())) > 0) {
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            if (got <= 0) {
                // Closed on us: the toolkit's connecting fails at once too.
                answer = BusAnswer::Unreachable;
                break;
            }
            const QByteArray reply = handshake.feed(QByteArray(buffer, got));
            if (handshake.finished()) {
                answer = BusAnswer::Answers;
                break;
            }
            if (!reply.isEmpty() && !sendAll(fd, reply)) {
                answer = BusAnswer::Unreachable;
                break;
            }
        }
    }
    ::close(fd);
    return answer;
}

QString systemBusAddress()
{
    const QString address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
    return address.isEmpty() ? QStringLiteral("unix:path=/run/dbus/system_bus_socket") : address;
}

QString sessionBusAddress()
{
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address;
    const QString bus =
        QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(QStringLiteral("bus"));
    return qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && QFileInfo::exists(bus)
               ? QStringLiteral("unix:path=") + bus
               : QString();
}

void probeBus(const QString &address, int timeoutMs, QObject *context,
              std::function<void(BusAnswer)> done)
{
    QString name;
    bool abstract = false;
    if (!unixSocketOf(address, &name, &abstract)) {
        QTimer::singleShot(0, context, [done] { done(BusAnswer::Answers); });
        return;
    }
    auto *socket = new QLocalSocket(context);
    if (abstract)
        socket->setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    auto handshake = std::make_shared<Handshake>();
    auto finish = std::make_shared<std::function<void(BusAnswer)>>(
        [socket, done = std::move(done)](BusAnswer answer) mutable {
            if (!done)
                return;
            auto once = std::move(done);
            done = nullptr;
            socket->abort();
            socket->deleteLater();
            once(answer);
        });
    QObject::connect(socket, &QLocalSocket::connected, socket,
                     [socket] { socket->write(Handshake::start()); });
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, handshake, finish] {
        const QByteArray reply = handshake->feed(socket->readAll());
        if (handshake->finished())
            (*finish)(BusAnswer::Answers);
        else if (!reply.isEmpty())
            socket->write(reply);
    });
    // Refused, or closed on us: the toolkit's connecting fails at once too.
    QObject::connect(socket, &QLocalSocket::errorOccurred, socket,
                     [finish] { (*finish)(BusAnswer::Unreachable); });
    QTimer::singleShot(timeoutMs, socket, [finish] { (*finish)(BusAnswer::Silent); });
    socket->connectToServer(name);
}
