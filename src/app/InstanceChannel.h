#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// How a later start hands its command line to the running instance: a local socket in
// the user's private runtime folder, which only its owner can reach.
class InstanceChannel final : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<QString(const QStringList &arguments)>;

    // The running instance: answers every command with what `handle` returns (empty when
    // done, else why not). Only the holder of the single-instance lock calls this.
    InstanceChannel(const QString &directory, Handler handle, QObject *parent = nullptr);
    bool isListening() const { return m_server.isListening(); }

    // A later start: returns the running instance's answer, or why it could not be asked.
    static bool send(const QString &directory, const QStringList &arguments, QString *answer);

private:
    QLocalServer m_server;
    Handler m_handle;
};
