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

// Which of the session's sources of idleness answers: found out once, asynchronously.
class IdleSources : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~IdleSources() override;
    // Says probed() once known, never from inside probe().
    void probe();
    bool isProbed() const { return m_probed; }
    // Nothing, with the reason in the user's language, when none can tell.
    std::unique_ptr<IdleSource> make(QString *why) const;

signals:
    void probed();

private:
    bool m_probed = false;
};
