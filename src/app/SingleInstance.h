#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// The previous-instance indicator: a per-user lock file held for the whole run. A lock
// left behind by an instance that crashed (its process is gone) does not count.
class SingleInstance
{
public:
    // lockDirectory: the user's runtime folder in production, a temporary one in tests.
    explicit SingleInstance(const QString &lockDirectory);
    // True when another live instance holds the lock. Otherwise this one now holds it.
    bool previousInstance();

    static QString defaultLockDirectory();

private:
    std::unique_ptr<QLockFile> m_lock;
};
