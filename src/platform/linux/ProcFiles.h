#pragma once

#include <QString>

#include <optional>

// What /proc/PID/stat says of a process.
struct ProcessStat
{
    QString comm;        // the kernel's name of it, at most 15 characters
    char state = '?';    // 'Z' for one that has ended and was not yet collected
    quint64 started = 0; // clock ticks after boot: tells it from a later one given its PID
};

std::optional<ProcessStat> readProcessStat(qint64 pid);
