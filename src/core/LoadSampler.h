#pragma once

#include <QHash>
#include <QString>

// Cumulative counters as the system keeps them; a wait compares two of them.
struct LoadSample
{
    quint64 cpuBusy = 0;  // time the CPUs worked, in any unit
    quint64 cpuTotal = 0; // all CPU time, busy or idle, in the same unit
    // Bytes received and sent so far, per network interface (loopback left out).
    QHash<QString, quint64> networkBytes;
};

// Reads the counters; one implementation per platform and a fake for tests.
class LoadSampler
{
public:
    virtual ~LoadSampler() = default;
    // False, with the reason in the user's language, when they cannot be read.
    virtual bool read(LoadSample *sample, QString *error) = 0;
};
