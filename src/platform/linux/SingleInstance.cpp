#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isPrivateFolder(const QString &path)
{
    struct stat info = {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

// An advisory lock on an open file: the kernel releases it when the process ends, so the
// file's content, or its being empty after a power cut, means nothing.
struct SingleInstance::Lock
{
    ~Lock()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd = -1;
};

SingleInstance::SingleInstance(const QString &lockDirectory)
    : m_path(QDir(lockDirectory).filePath(QStringLiteral("orvanta.lock"))),
      m_lock(std::make_unique<Lock>())
{
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Status SingleInstance::acquire()
{
    // No symbolic links followed, and nothing that could block the start (a named pipe).
    const int fd = ::open(QFile::encodeName(m_path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_problem = QStringLiteral("cannot use the lock file %1: %2").arg(m_path, systemError());
        return Status::Unusable;
    }
    m_lock->fd = fd;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid()) {
        m_problem = QStringLiteral("the lock file %1 is not a plain file of yours").arg(m_path);
        return Status::Unusable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Status::Acquired;
    if (errno == EWOULDBLOCK)
        return Status::AlreadyRunning;
    m_problem = QStringLiteral("cannot lock %1: %2").arg(m_path, systemError());
    return Status::Unusable;
}

QString SingleInstance::defaultLockDirectory()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return runtime;
    // Never the shared temporary folder, where anybody could take the name first.
    const QString own = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                            .filePath(QStringLiteral("orvanta"));
    QDir().mkpath(own);
    ::chmod(QFile::encodeName(own).constData(), 0700);
    return own;
}

QString SingleInstance::channelName(const QString &lockDirectory)
{
    return QDir(lockDirectory).filePath(QStringLiteral("orvanta.socket"));
}

bool SingleInstance::servedByThisUser(qintptr descriptor, QString *why)
{
    // The folder is private already; the peer's user is a second look that costs nothing.
    struct ucred peer = {};
    socklen_t size = sizeof peer;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
        *why =
            QCoreApplication::translate("SingleInstance", "cannot tell whose program answers: %1")
                .arg(systemError());
        return false;
    }
    if (peer.uid == ::getuid())
        return true;
    *why = QCoreApplication::translate("SingleInstance", "the running program is not yours");
    return false;
}
