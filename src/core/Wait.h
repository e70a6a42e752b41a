#pragma once

#include "core/QuietThresholds.h"
#include "core/RunningProgram.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class Condition;

// A wait besides the clock, as the window or a command line asks for it.
struct WaitOrder
{
    enum class Kind
    {
        ProgramEnd, // the last of some programs ends
        Quiet,      // CPU and network below their thresholds for a span
        Idle        // nobody at keyboard or mouse for a span
    };
    Kind kind = Kind::ProgramEnd;
    QList<RunningProgram> programs; // chosen in the window
    QStringList pidsOrNames;        // or named on a command line, looked up when armed
    QuietThresholds quiet;
    qint64 idleMs = 5 * 60 * 1000;
};

// The waits of this platform, so that the window needs no platform code.
class Waits
{
public:
    virtual ~Waits() = default;
    // The programs that can be waited for, by name and then PID.
    virtual QList<RunningProgram> runningPrograms() = 0;
    // Nothing, with the reason in the user's language, when no program of that PID or
    // name runs.
    virtual std::unique_ptr<Condition> make(const WaitOrder &order, QString *error) = 0;
};
