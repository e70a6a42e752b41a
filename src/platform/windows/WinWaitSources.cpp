#include "core/IdleSource.h"
#include "core/LoadSampler.h"
#include "core/ProcessWatcher.h"
#include "core/Wait.h"
#include "platform/Platform.h"
#include "platform/windows/WinWaitParts.h"

#include <QTimer>

namespace {

// Process handles, the system's counters and the session's last input: every source is
// there on every Windows, so there is nothing to find out.
class WinWaitSources final : public WaitSources
{
    Q_OBJECT
public:
    QList<RunningProgram> runningPrograms() override { return listRunningPrograms(); }
    // "Notepad.exe" and "notepad" are the same program on Windows.
    Qt::CaseSensitivity programNameCase() const override { return Qt::CaseInsensitive; }
    std::unique_ptr<ProcessWatcher> makeProcessWatcher() override
    {
        return makeWinProcessWatcher();
    }
    std::unique_ptr<LoadSampler> makeLoadSampler() override { return makeWinLoadSampler(); }
    std::unique_ptr<IdleSource> makeIdleSource(QString *) override { return makeWinIdleSource(); }
    void probe() override
    {
        // Said on the next turn of the event loop, as a probe that asks somebody would.
        QTimer::singleShot(0, this, [this] {
            m_probed = true;
            emit probed();
        });
    }
    bool isProbed() const override { return m_probed; }

private:
    bool m_probed = false;
};

} // namespace

std::unique_ptr<WaitSources> Platform::makeWaitSources()
{
    return std::make_unique<WinWaitSources>();
}

#include "WinWaitSources.moc"
