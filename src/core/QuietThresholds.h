#pragma once

#include <QtGlobal>

// When the computer counts as quiet: the busiest CPU, the busiest disk and the network all
// below their thresholds for the whole span. One busy thread keeps one CPU busy on any
// number of CPUs; a copy keeps a disk busy while the CPUs rest.
struct QuietThresholds
{
    int cpuPercent = 25;  // of the busiest logical CPU
    int diskKBps = 1000;  // read and written on the busiest disk, in 1000 bytes a second
    int networkKBps = 10; // received and sent together, in 1000 bytes a second
    qint64 spanMs = 5 * 60 * 1000;
};
