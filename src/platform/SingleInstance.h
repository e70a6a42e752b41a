#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

// One instance a user: a lock held for the whole run, which the system lets go of when its
// owner ends, however it ends. Whatever a crash or a power cut left behind does not count.
class SingleInstance
{
public:
    enum class Status
    {
        Acquired,
        AlreadyRunning,
        Unusable, // the lock cannot be used; problem() says why, naming its path
    };

    // lockDirectory: the user's private runtime folder in production, a temporary one in tests.
    explicit SingleInstance(const QString &lockDirectory);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    Status acquire();
    QString problem() const { return m_problem; }

    // A folder only this user can write: the runtime folder when it is private, else one
    // made private (mode 0700) in the user's own cache folder.
    static QString defaultLockDirectory();

    // Where the lock holder takes a later start's command line (a QLocalServer name): on
    // Linux a socket in the lock's folder; on Windows a pipe named after the user and the
    // logon session, in the namespace every user shares.
    static QString channelName(const QString &lockDirectory);
    // Whether the program at the other end of a connected channel (its
    // QLocalSocket::socketDescriptor()) runs as this user; *why says why not. Nothing may be
    // handed to, or believed from, a program that does not: another user can take a pipe's
    // name first.
    static bool servedByThisUser(qintptr descriptor, QString *why);

private:
    struct Lock;
    QString m_path;
    QString m_problem;
    std::unique_ptr<Lock> m_lock;
};
