#include "platform/Platform.h"

#include "core/CommandJob.h"

#include <QDir>
#include <QProcess>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

// The command leads a session and process group of its own: one signal reaches everything
// it starts that stays in the group.
class SessionGroup final : public ProcessGroup
{
public:
    void prepare(QProcess &process) override
    {
        // Runs in the child between fork and exec: only async-signal-safe calls.
        process.setChildProcessModifier([] { ::setsid(); });
    }

    bool adopt(QProcess &process, QString *) override
    {
        // started() comes once exec has succeeded, so setsid() has run: the group is the
        // process's own PID.
        m_group = pid_t(process.processId());
        return true;
    }

    void terminate() override { signal(SIGTERM); }
    void kill() override { signal(SIGKILL); }

private:
    void signal(int number) const
    {
        if (m_group > 1)
            ::kill(-m_group, number);
    }

    pid_t m_group = 0;
};

class LinuxCommandRunner final : public CommandRunner
{
public:
    std::optional<QStringList> split(const QString &line, QString *error) const override
    {
        return CommandSplit::desktopExec(line, error);
    }

    QString logPath() const override
    {
        // $XDG_STATE_HOME is absolute or ignored.
        QString state = qEnvironmentVariable("XDG_STATE_HOME");
        if (!QDir::isAbsolutePath(state))
            state = QDir::homePath() + QStringLiteral("/.local/state");
        return state + QStringLiteral("/Orvanta/command.log");
    }

    std::unique_ptr<ProcessGroup> makeGroup() override { return std::make_unique<SessionGroup>(); }
};

} // namespace

std::unique_ptr<CommandRunner> Platform::makeCommandRunner()
{
    return std::make_unique<LinuxCommandRunner>();
}
