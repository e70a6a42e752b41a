#include "core/ProcessWatcher.h"
#include "core/ProgramEndCondition.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QHash>
#include <QWinEventNotifier>

#include <windows.h>

namespace {

// A process handle is signalled when its process ends: waiting costs no wake-up at all.
class WinProcessWatcher final : public ProcessWatcher
{
    // Its texts are filed under its own name.
    Q_DECLARE_TR_FUNCTIONS(WinProcessWatcher)

public:
    ~WinProcessWatcher() override { clear(); }

    bool watch(const RunningProgram &program, QString *error) override
    {
        const qint64 pid = program.pid;
        HANDLE process = pid > 0 ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION,
                                               FALSE, DWORD(pid))
                                 : nullptr;
        if (!process && GetLastError() == ERROR_ACCESS_DENIED) {
            *error = tr("%1 cannot be watched: it belongs to another user or to the system.")
                         .arg(program.label());
            return false;
        }
        // Ended already: the PID is gone, or given to another process since it was listed
        // (its creation time differs), or its handle is signalled.
        FILETIME created{}, exited{}, kernel{}, user{};
        const bool same =
            process &&
            (!program.started ||
             (GetProcessTimes(process, &created, &exited, &kernel, &user) &&
              (quint64(created.dwHighDateTime) << 32 | created.dwLowDateTime) == program.started));
        if (!same || WaitForSingleObject(process, 0) != WAIT_TIMEOUT) {
            if (process)
                CloseHandle(process);
            *error = tr("%1 has already ended.").arg(program.label());
            return false;
        }
        if (m_notifiers.contains(pid)) {
            CloseHandle(process);
            return true;
        }
        auto *notifier = new QWinEventNotifier(process, this);
        connect(notifier, &QWinEventNotifier::activated, this, [this, pid] {
            forget(pid);
            emit ended(pid);
        });
        m_notifiers.insert(pid, notifier);
        return true;
    }

    void clear() override
    {
        const QList<qint64> pids = m_notifiers.keys();
        for (qint64 pid : pids)
            forget(pid);
    }

private:
    void forget(qint64 pid)
    {
        QWinEventNotifier *notifier = m_notifiers.take(pid);
        if (!notifier)
            return;
        notifier->setEnabled(false);
        CloseHandle(notifier->handle());
        notifier->deleteLater();
    }

    QHash<qint64, QWinEventNotifier *> m_notifiers;
};

} // namespace

std::unique_ptr<Condition> Platform::makeProgramEndCondition(const QList<RunningProgram> &programs)
{
    return std::make_unique<ProgramEndCondition>(programs, std::make_unique<WinProcessWatcher>());
}
