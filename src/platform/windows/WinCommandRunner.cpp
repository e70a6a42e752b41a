#include "platform/Platform.h"

#include "core/CommandJob.h"
#include "platform/windows/WinHeaders.h"

#include <QProcess>
#include <QStandardPaths>

#include <tlhelp32.h>

namespace {

// A job object that ends every process in it when its last handle closes. The command starts
// suspended and runs on only once it is in the job: nothing it starts can slip out before.
class JobObjectGroup final : public ProcessGroup
{
public:
    JobObjectGroup() : m_job(CreateJobObjectW(nullptr, nullptr))
    {
        if (!m_job)
            return;
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    ~JobObjectGroup() override
    {
        if (m_job)
            CloseHandle(m_job);
    }

    void prepare(QProcess &process) override
    {
        process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
            arguments->flags |= CREATE_SUSPENDED;
        });
    }

    bool adopt(QProcess &process, QString *error) override
    {
        const DWORD pid = DWORD(process.processId());
        HANDLE handle = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, pid);
        const bool assigned = m_job && handle && AssignProcessToJobObject(m_job, handle);
        const DWORD code = GetLastError();
        if (handle)
            CloseHandle(handle);
        if (!assigned) {
            *error =
                QStringLiteral("not put into a job object: %1").arg(qt_error_string(int(code)));
            return false;
        }
        resume(pid);
        return true;
    }

    void terminate() override { kill(); }
    void kill() override
    {
        if (m_job)
            TerminateJobObject(m_job, 1);
    }

private:
    // The suspended process's threads (its first one) run on.
    static void resume(DWORD pid)
    {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
        if (snapshot == INVALID_HANDLE_VALUE)
            return;
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more;
             more = Thread32Next(snapshot, &entry)) {
            if (entry.th32OwnerProcessID != pid)
                continue;
            if (HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
                ResumeThread(thread);
                CloseHandle(thread);
            }
        }
        CloseHandle(snapshot);
    }

    HANDLE m_job;
};

class WinCommandRunner final : public CommandRunner
{
public:
    std::optional<QStringList> split(const QString &line, QString *error) const override
    {
        return CommandSplit::windows(line, error);
    }

    QString logPath() const override
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Orvanta/command.log");
    }

    std::unique_ptr<ProcessGroup> makeGroup() override
    {
        return std::make_unique<JobObjectGroup>();
    }
};

} // namespace

std::unique_ptr<CommandRunner> Platform::makeCommandRunner()
{
    return std::make_unique<WinCommandRunner>();
}
