#include "core/RunningProgram.h"
#include "platform/linux/ProcFiles.h"
#include "platform/linux/WaitParts.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

std::optional<ProcessStat> readProcessStat(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // "1234 (name) S 1 ..." where the name may itself hold spaces and parentheses.
    const QByteArray line = file.readLine();
    const qsizetype open = line.indexOf('('), close = line.lastIndexOf(')');
    if (open < 0 || close < open)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 20 || fields[0].isEmpty())
        return std::nullopt;
    return ProcessStat{QString::fromUtf8(line.mid(open + 1, close - open - 1)), fields[0][0],
                       fields[19].toULongLong()}; // the 22nd field: start time
}

QList<RunningProgram> listRunningPrograms()
{
    const uid_t me = getuid();
    const qint64 self = getpid();
    QList<RunningProgram> programs;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number || pid == self)
            continue;
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QByteArray raw = cmdline.readAll();
        const std::optional<ProcessStat> stat = readProcessStat(pid);
        // Kernel threads have no command line; ended processes neither, or are zombies.
        if (raw.isEmpty() || !stat || stat->state == 'Z')
            continue;
        QList<QByteArray> args = raw.split('\0');
        if (args.last().isEmpty())
            args.removeLast();
        RunningProgram program;
        program.pid = pid;
        program.started = stat->started;
        // The kernel cuts names at 15 characters; the started file's name is the whole one.
        const QString file = QString::fromLocal8Bit(args.value(0)).section(u'/', -1);
        program.name = file.startsWith(stat->comm) ? file : stat->comm;
        for (const QByteArray &arg : args)
            program.commandLine +=
                (program.commandLine.isEmpty() ? QString() : QStringLiteral(" ")) +
                QString::fromLocal8Bit(arg);
        struct stat info;
        program.ownedByUser =
            ::stat(QFile::encodeName(cmdline.fileName()).constData(), &info) == 0 &&
            info.st_uid == me;
        programs << program;
    }
    return programs;
}
