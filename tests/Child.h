#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sys/prctl.h>

// A process of the test's own: it ends with the test, however the test ends.
struct Child : QProcess
{
    Child()
    {
        setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    }
    ~Child() override
    {
        kill();
        waitForFinished();
    }
    // Started, and the first line it writes (an address, a display's number, "ready").
    QString started(const QString &program, const QStringList &arguments)
    {
        start(program, arguments);
        return firstLine();
    }
    QString firstLine()
    {
        while (!canReadLine() && waitForReadyRead(15000)) {
        }
        return QString::fromUtf8(readLine()).trimmed();
    }
    // All it writes until it has been quiet for 300 ms.
    QStringList lines()
    {
        while (waitForReadyRead(300)) {
        }
        return QString::fromUtf8(readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
};

// Two private buses, the "system" one and the session one, never put into the environment.
struct PrivateBuses
{
    bool start()
    {
        for (int i = 0; i < 2; ++i)
            addresses[i] =
                daemons[i].started("dbus-daemon", {"--session", "--nofork", "--print-address=1",
                                                   "--address=unix:dir=" + dirs[i].path()});
        return addresses[0].startsWith("unix:") && addresses[1].startsWith("unix:");
    }
    QTemporaryDir dirs[2];
    Child daemons[2];
    QString addresses[2];
};
