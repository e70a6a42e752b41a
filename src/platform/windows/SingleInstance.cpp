#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

// A lock file held open without sharing: Windows lets go of it with its process.
struct SingleInstance::Lock
{
    explicit Lock(const QString &path) : file(path) { file.setStaleLockTime(0); }
    QLockFile file;
};

SingleInstance::SingleInstance(const QString &lockDirectory)
    : m_path(QDir(lockDirectory).filePath(QStringLiteral("orvanta.lock"))),
      m_lock(std::make_unique<Lock>(m_path))
{
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Status SingleInstance::acquire()
{
    if (m_lock->file.tryLock(0))
        return Status::Acquired;
    if (m_lock->file.error() == QLockFile::LockFailedError)
        return Status::AlreadyRunning;
    m_problem = QStringLiteral("cannot use the lock file %1").arg(QDir::toNativeSeparators(m_path));
    return Status::Unusable;
}

QString SingleInstance::defaultLockDirectory()
{
    // Per user on Windows already.
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}
