#pragma once

#include "core/RunningProgram.h"

#include <QObject>

#include <functional>
#include <memory>

class IdleSource;
class LoadSampler;
class ProcessWatcher;

// The parts of the Linux waits, each in its own file; LinuxWaitSources puts them together.
std::unique_ptr<ProcessWatcher> makePidfdProcessWatcher();
// The load under /proc, or under the folder ORVANTA_PROC_ROOT names.
std::unique_ptr<LoadSampler> makeProcLoadSampler();
std::unique_ptr<LoadSampler> makeProcLoadSampler(const QString &root);
QList<RunningProgram> listRunningPrograms();

// Which of the session's sources of idleness answers, best first: GNOME's idle monitor, the
// X server's idle counter, the compositor's idle notifications, logind's idle hint. Found
// out once, asynchronously.
class IdleSources : public QObject
{
    Q_OBJECT
public:
    IdleSources();
    ~IdleSources() override;
    // Says probed() once known, never from inside probe(); within a few seconds.
    void probe();
    bool isProbed() const { return m_probed; }
    // Nothing, with the reason in the user's language, when none can tell (or before
    // probed()).
    std::unique_ptr<IdleSource> make(QString *why) const;

signals:
    void probed();

private:
    struct Found;
    void answered();

    const std::unique_ptr<Found> m_found;
    bool m_probing = false;
    bool m_probed = false;
};
