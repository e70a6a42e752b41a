#include "platform/linux/BusProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>

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

QByteArray handshake()
{
    // A NUL byte, then the first line of the EXTERNAL handshake: our user id in hex.
    return QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(::getuid()).toHex() + "\r\n";
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
    BusAnswer answer = BusAnswer::Silent;
    const QByteArray hello = handshake();
    pollfd wait = {fd, POLLIN, 0};
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&peer), length) != 0)
        answer =
            errno == EAGAIN || errno == EINPROGRESS ? BusAnswer::Silent : BusAnswer::Unreachable;
    else if (::send(fd, hello.constData(), static_cast<size_t>(hello.size()), MSG_NOSIGNAL) < 0)
        answer = BusAnswer::Unreachable;
    else if (::poll(&wait, 1, timeoutMs) > 0)
        answer = BusAnswer::Answers;
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
                     [socket] { socket->write(handshake()); });
    QObject::connect(socket, &QLocalSocket::readyRead, socket,
                     [finish] { (*finish)(BusAnswer::Answers); });
    QObject::connect(socket, &QLocalSocket::errorOccurred, socket, [socket, finish] {
        (*finish)(socket->state() == QLocalSocket::UnconnectedState ? BusAnswer::Unreachable
                                                                    : BusAnswer::Silent);
    });
    QTimer::singleShot(timeoutMs, socket, [finish] { (*finish)(BusAnswer::Silent); });
    socket->connectToServer(name);
}
