#pragma once

#include <QtGlobal>

// When the computer counts as quiet: CPU use and network traffic both below their
// thresholds for the whole span.
struct QuietThresholds
{
    int cpuPercent = 10;  // of all CPU time, every core together
    int networkKBps = 10; // received and sent together, in 1000 bytes a second
    qint64 spanMs = 5 * 60 * 1000;
};
