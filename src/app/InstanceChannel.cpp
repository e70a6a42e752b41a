#include "app/InstanceChannel.h"

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>

namespace {

constexpr int AnswerWithinMs = 5000;

QString socketPath(const QString &directory)
{
    return QDir(directory).filePath(QStringLiteral("orvanta.socket"));
}

} // namespace

InstanceChannel::InstanceChannel(const QString &directory, Handler handle, QObject *parent)
    : QObject(parent), m_handle(std::move(handle))
{
    const QString path = socketPath(directory);
    // Whatever is left there belongs to a dead instance: we hold the lock.
    QLocalServer::removeServer(path);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(path))
        return;
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_server.nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, client, [this, client] {
                QDataStream in(client);
                in.startTransaction();
                QStringList arguments;
                in >> arguments;
                if (!in.commitTransaction())
                    return; // not all there yet
                QDataStream out(client);
                out << m_handle(arguments);
                client->flush();
                client->disconnectFromServer();
            });
        }
    });
}

bool InstanceChannel::send(const QString &directory, const QStringList &arguments, QString *answer)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath(directory));
    if (!socket.waitForConnected(AnswerWithinMs)) {
        *answer = socket.errorString();
        return false;
    }
    QDataStream out(&socket);
    out << arguments;
    socket.flush();
    QDataStream in(&socket);
    for (;;) {
        in.startTransaction();
        in >> *answer;
        if (in.commitTransaction())
            return true;
        if (!socket.waitForReadyRead(AnswerWithinMs)) {
            *answer = QStringLiteral("the running Orvanta did not answer");
            return false;
        }
    }
}
