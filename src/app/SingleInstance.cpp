#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockDirectory)
    : m_lock(
          std::make_unique<QLockFile>(QDir(lockDirectory).filePath(QStringLiteral("orvanta.lock"))))
{
    // Only a dead owner makes a lock stale, never its age: an instance may run for weeks.
    m_lock->setStaleLockTime(0);
}

bool SingleInstance::previousInstance()
{
    if (m_lock->isLocked())
        return false;
    if (m_lock->tryLock(0))
        return false;
    // tryLock already removes a lock whose process is gone; whatever error is left is
    // another live instance, or a folder we cannot write, where refusing to start would
    // lock the user out for good.
    return m_lock->error() == QLockFile::LockFailedError;
}

QString SingleInstance::defaultLockDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}
