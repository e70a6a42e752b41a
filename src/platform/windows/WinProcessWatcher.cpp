#include "core/ProcessWatcher.h"
#include "platform/windows/WinWaitParts.h"

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

    Watch watch(const RunningProgram &program, QString *error) override
    {
        const qint64 pid = program.pid;
        const HANDLE process =
            pid > 0 && pid <= qint64(MAXDWORD)
                ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid))
                : nullptr;
        if (!process) {
            const DWORD code = pid > 0 ? GetLastError() : ERROR_INVALID_PARAMETER;
            // No process has that PID (any more).
            if (code == ERROR_INVALID_PARAMETER)
                return alreadyEnded(program, error);
            *error = code == ERROR_ACCESS_DENIED
                         ? tr("%1 cannot be watched: it belongs to another user or to the system.")
                               .arg(program.label())
                         : failure(program, code);
            return Watch::Failed;
        }
        FILETIME created{}, exited{}, kernel{}, user{};
        if (program.started && !GetProcessTimes(process, &created, &exited, &kernel, &user)) {
            *error = failure(program, GetLastError());
            CloseHandle(process);
            return Watch::Failed;
        }
        // Ended already: its PID was given to another process since it was listed (the
        // creation time differs), or it has ended and its handle is signalled.
        if ((program.started &&
             (quint64(created.dwHighDateTime) << 32 | created.dwLowDateTime) != program.started) ||
            WaitForSingleObject(process, 0) != WAIT_TIMEOUT) {
            CloseHandle(process);
            return alreadyEnded(program, error);
        }
        if (m_notifiers.contains(pid)) {
            CloseHandle(process);
            return Watch::Watching;
        }
        auto *notifier = new QWinEventNotifier(process, this);
        connect(notifier, &QWinEventNotifier::activated, this, [this, pid] {
            forget(pid);
            emit ended(pid);
        });
        m_notifiers.insert(pid, notifier);
        return Watch::Watching;
    }

    void clear() override
    {
        const QList<qint64> pids = m_notifiers.keys();
        for (qint64 pid : pids)
            forget(pid);
    }

private:
    static Watch alreadyEnded(const RunningProgram &program, QString *error)
    {
        *error = tr("%1 has already ended.").arg(program.label());
        return Watch::Ended;
    }

    static QString failure(const RunningProgram &program, DWORD code)
    {
        return tr("%1 cannot be watched: %2").arg(program.label(), qt_error_string(int(code)));
    }

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

std::unique_ptr<ProcessWatcher> makeWinProcessWatcher()
{
    return std::make_unique<WinProcessWatcher>();
}
