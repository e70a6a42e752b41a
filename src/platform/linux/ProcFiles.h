#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What /proc/PID/stat says of a process.
struct ProcessStat
{
    QString comm;        // the kernel's name of it, at most 15 characters
    char state = '?';    // 'Z' for one that has ended and was not yet collected
    quint64 started = 0; // clock ticks after boot: tells it from a later one given its PID
    bool kernelThread = false;
};

// Nothing, with errno in *error: ENOENT or ESRCH when no such process is left, EMFILE or
// ENFILE when no descriptor is, EIO when the text makes no sense.
std::optional<ProcessStat> readProcessStat(qint64 pid, int *error);

// A small file of /proc read whole with two system calls, as its text or nothing (errno
// says why).
std::optional<QByteArray> readProcFile(const char *path);

// The names a process answers to, from the kernel's name of it (cut at 15 characters),
// its arguments and its program file ("" when unreadable): the whole program or script
// name first, then the others (the interpreter that runs a script, the file a link leads
// to), each once.
struct ProgramNames
{
    QString name;
    QStringList aliases;
};
ProgramNames programNames(const QString &comm, const QStringList &argv, const QString &exe);
