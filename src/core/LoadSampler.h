#pragma once

#include <QHash>
#include <QList>
#include <QString>

// Cumulative counters as the system keeps them; a wait compares two of them.
struct LoadSample
{
    // One logical CPU's time, in any unit: busy (waiting for a disk counts as busy) and all.
    struct Cpu
    {
        quint64 busy = 0;
        quint64 total = 0;
    };
    QList<Cpu> cpus; // in the system's order
    // Bytes received and sent so far, per network interface (loopback left out).
    QHash<QString, quint64> networkBytes;
    // Bytes read and written so far, per disk (whole disks; partitions, RAM and loop
    // devices left out).
    QHash<QString, quint64> diskBytes;
};

// Reads the counters; one implementation per platform and a fake for tests.
class LoadSampler
{
public:
    virtual ~LoadSampler() = default;
    // False, with the reason in the user's language, when they cannot be read.
    virtual bool read(LoadSample *sample, QString *error) = 0;
};
