#include "core/IdleSource.h"
#include "core/LoadSampler.h"
#include "core/ProcessWatcher.h"
#include "core/Wait.h"
#include "platform/Platform.h"
#include "platform/linux/WaitParts.h"

namespace {

class LinuxWaitSources final : public WaitSources
{
    Q_OBJECT
public:
    LinuxWaitSources() { connect(&m_idle, &IdleSources::probed, this, &WaitSources::probed); }

    QList<RunningProgram> runningPrograms() override { return listRunningPrograms(); }
    Qt::CaseSensitivity programNameCase() const override { return Qt::CaseSensitive; }
    std::unique_ptr<ProcessWatcher> makeProcessWatcher() override
    {
        return makePidfdProcessWatcher();
    }
    std::unique_ptr<LoadSampler> makeLoadSampler() override { return makeProcLoadSampler(); }
    std::unique_ptr<IdleSource> makeIdleSource(QString *why) override { return m_idle.make(why); }
    void probe() override { m_idle.probe(); }
    bool isProbed() const override { return m_idle.isProbed(); }

private:
    IdleSources m_idle;
};

} // namespace

std::unique_ptr<WaitSources> Platform::makeWaitSources()
{
    return std::make_unique<LinuxWaitSources>();
}

#include "LinuxWaitSources.moc"
