#include "core/ProcessWatcher.h"
#include "platform/linux/ProcFiles.h"
#include "platform/linux/WaitParts.h"

#include <QCoreApplication>
#include <QHash>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef SYS_pidfd_open
#define SYS_pidfd_open 434 // the same number on every architecture
#endif

namespace {

// A process's end as the kernel tells it: a pidfd becomes readable when its process ends,
// so waiting costs no wake-up at all. Linux 5.3 or newer.
class PidfdProcessWatcher final : public ProcessWatcher
{
    // Its texts are filed under its own name.
    Q_DECLARE_TR_FUNCTIONS(PidfdProcessWatcher)

public:
    ~PidfdProcessWatcher() override { clear(); }

    Watch watch(const RunningProgram &program, QString *error) override
    {
        const qint64 pid = program.pid;
        if (m_notifiers.contains(pid))
            return Watch::Watching;
        const int fd = pid > 0 ? int(syscall(SYS_pidfd_open, pid_t(pid), 0)) : -1;
        if (fd < 0 && pid > 0 && errno != ESRCH)
            return failed(program, errno, error);
        // The descriptor first, then the process's start time: if that is still the one
        // listed, the descriptor is of the listed process and not of a later one given its
        // PID. Ended already: the PID is gone or given to another, or its process has ended
        // and waits to be collected (its descriptor is readable at once).
        int reason = ESRCH;
        const std::optional<ProcessStat> stat =
            fd >= 0 ? readProcessStat(pid, &reason) : std::nullopt;
        pollfd ready{fd, POLLIN, 0};
        if (fd >= 0 && !stat && reason != ENOENT && reason != ESRCH) {
            ::close(fd);
            return failed(program, reason, error);
        }
        if (!stat || stat->state == 'Z' || (program.started && stat->started != program.started) ||
            poll(&ready, 1, 0) > 0) {
            if (fd >= 0)
                ::close(fd);
            *error = tr("%1 has already ended.").arg(program.label());
            return Watch::Ended;
        }
        auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, pid] {
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
    // It runs, yet cannot be watched.
    static Watch failed(const RunningProgram &program, int reason, QString *error)
    {
        switch (reason) {
        case ENOSYS:
            *error = tr("Waiting for a program to end needs Linux 5.3 or newer.");
            break;
        case EMFILE:
            *error =
                tr("%1 cannot be watched: Orvanta has too many files open.").arg(program.label());
            break;
        case ENFILE:
            *error = tr("%1 cannot be watched: the system has too many files open.")
                         .arg(program.label());
            break;
        case EPERM:
        case EACCES:
            // A sandbox that filters system calls, or /proc mounted with hidepid.
            *error = tr("%1 cannot be watched: the system does not permit it here.")
                         .arg(program.label());
            break;
        default:
            *error = tr("%1 cannot be watched: %2")
                         .arg(program.label(), QString::fromLocal8Bit(std::strerror(reason)));
        }
        return Watch::Failed;
    }

    void forget(qint64 pid)
    {
        QSocketNotifier *notifier = m_notifiers.take(pid);
        if (!notifier)
            return;
        notifier->setEnabled(false);
        ::close(int(notifier->socket()));
        notifier->deleteLater();
    }

    QHash<qint64, QSocketNotifier *> m_notifiers;
};

} // namespace

std::unique_ptr<ProcessWatcher> makePidfdProcessWatcher()
{
    return std::make_unique<PidfdProcessWatcher>();
}
