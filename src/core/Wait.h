#pragma once

#include "core/QuietThresholds.h"
#include "core/RunningProgram.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Clock;
class Condition;
class IdleSource;
class LoadSampler;
class ProcessWatcher;

// A wait besides the clock, as the window or a command line asks for it.
struct WaitOrder
{
    enum class Kind
    {
        ProgramEnd, // the last of some programs ends
        Quiet,      // CPU, disks and network below their thresholds for a span
        Idle        // nobody at keyboard or mouse for a span
    };
    Kind kind = Kind::ProgramEnd;
    QList<RunningProgram> programs; // chosen in the window: exactly these processes
    QStringList pidsOrNames;        // or named on a command line, looked up when armed
    QuietThresholds quiet;
    qint64 idleMs = 5 * 60 * 1000;
};

// What the platform offers the waits: the running programs and the sources the conditions
// read. One per platform, a fake in tests; the conditions themselves are made in core.
class WaitSources : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Every process but this program's own (every instance of it, a command line's client
    // included), in any order; ownedByUser marks the user's own.
    virtual QList<RunningProgram> runningPrograms() = 0;
    // How a program's name is compared with one given on a command line.
    virtual Qt::CaseSensitivity programNameCase() const = 0;
    virtual std::unique_ptr<ProcessWatcher> makeProcessWatcher() = 0;
    virtual std::unique_ptr<LoadSampler> makeLoadSampler() = 0;
    // Nothing, with the reason in the user's language, when nothing in this session can
    // tell how long nobody has used the computer. Known once probed.
    virtual std::unique_ptr<IdleSource> makeIdleSource(QString *why) = 0;
    // Finds out, asynchronously and bounded in time, which sources this session has;
    // says probed() once known (never from inside probe()).
    virtual void probe() = 0;
    virtual bool isProbed() const = 0;

signals:
    void probed();
};

// The waits: looks programs up by PID and name and makes the conditions from the
// platform's sources.
class Waits
{
public:
    Waits(WaitSources &sources, const Clock &clock) : m_sources(sources), m_clock(clock) {}

    // The user's own programs that can be waited for, by name and then PID.
    QList<RunningProgram> runningPrograms() const;
    // Nothing, with the reason in the user's language, when it cannot be waited for (no
    // program of that PID or name runs, no source of idleness). The condition is not
    // started.
    std::unique_ptr<Condition> make(const WaitOrder &order, QString *error) const;
    WaitSources &sources() const { return m_sources; }

private:
    WaitSources &m_sources;
    const Clock &m_clock;
};
