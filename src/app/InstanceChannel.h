#pragma once

#include "core/CommandLine.h"

#include <QFileSystemWatcher>
#include <QList>
#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QLocalSocket;

// How a later start hands its command line to the running instance: a local socket in
// the user's private runtime folder, or on Windows a pipe of the user's logon session
// (SingleInstance::channelName()); a later start talks only to a server that runs as its
// own user. A message is a 32-bit big-endian length and that many bytes of NUL-terminated
// UTF-8 arguments; the answer is a length, a CommandOutcome::Kind byte and its UTF-8 text.
class InstanceChannel final : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<CommandOutcome(const QStringList &arguments)>;

    // The running instance, and only the holder of the single-instance lock: applies each
    // command with `handle`, strictly in the order they arrived, and answers its client
    // with the outcome once it has been applied. Listening problems go to standard error.
    // Commands are taken from the start, and held until open(): the window is not ready
    // for them before.
    InstanceChannel(const QString &directory, Handler handle, QObject *parent = nullptr);
    bool isListening() const { return m_server.isListening(); }
    // Applies what was held, and from now on each command as it comes.
    void open();

    enum class Delivery
    {
        Answered,    // *outcome says what was done
        Unreachable, // nothing was handed over (nobody listens, or not this user's); *why says why
        Unanswered,  // handed over, but no answer came: what was done is unknown
    };
    // A later start. A lock holder that has only just started may not listen yet: it is
    // waited for, a few seconds at most and only while it still holds the lock.
    static Delivery send(const QString &directory, const QStringList &arguments,
                         CommandOutcome *outcome, QString *why);

    // A message longer than this is no command line: its client is dropped.
    static constexpr int MessageLimit = 4096;
    // An answer longer than this is not believed. The longest one is the list of schedules:
    // ScheduleRules::MaximumCount lines, each well under 256 bytes in any language, and the
    // tool tip's two lines.
    static constexpr int AnswerLimit = 64 * 1024;
    // Clients that have not sent their whole message yet, at most; later ones wait.
    static constexpr int ClientLimit = 16;
    // A client that has not sent its whole message by then is dropped.
    static constexpr int IdleMs = 1000;

private:
    struct Incoming
    {
        QLocalSocket *client;
        QByteArray bytes; // what came so far
    };
    struct Pending
    {
        QPointer<QLocalSocket> client;
        QStringList arguments;
    };

    // Connected to the channel of the lock's holder; *why says why not.
    static bool connectToHolder(QLocalSocket &socket, const QString &directory, QString *why);
    bool listen();
    void relisten();
    void onSocketFileChanged();
    void takeClients();
    void adopt(QLocalSocket *client);
    void read(QLocalSocket *client);
    void drop(QLocalSocket *client);
    Incoming *incoming(QLocalSocket *client);
    void forget(QLocalSocket *client);
    void applyPending();

    QString m_path;
    Handler m_handle;
    QLocalServer m_server;
    QFileSystemWatcher m_watcher;
    QTimer m_retry;
    QList<Incoming> m_incoming; // the oldest first
    QQueue<Pending> m_pending;
    bool m_applying = false;
    bool m_open = false;
};
