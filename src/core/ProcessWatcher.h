#pragma once

#include "core/RunningProgram.h"

#include <QObject>
#include <QString>

// Tells when processes end, as the system reports it (no polling). One per platform, a
// fake in tests.
class ProcessWatcher : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    enum class Watch
    {
        Watching,
        Ended,  // already: its PID is gone or now belongs to another process
        Failed, // it runs but cannot be watched (no descriptor left, no permission, ...)
    };
    // Watches one process; the reason in the user's language unless Watching.
    virtual Watch watch(const RunningProgram &program, QString *error) = 0;
    // Stops watching every process.
    virtual void clear() = 0;

signals:
    // Once per watched process.
    void ended(qint64 pid);
};
