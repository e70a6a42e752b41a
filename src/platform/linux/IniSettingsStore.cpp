#include "platform/linux/IniSettingsStore.h"

#include "core/Log.h"
#include "platform/linux/IniText.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <map>
#include <utility>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The file's text; a missing file is an empty one. A folder, a named pipe or a device would
// block or fail the reader, and a file far beyond what this program writes is somebody
// else's: neither is read.
bool readText(const QString &path, QByteArray *text, QString *error)
{
    text->clear();
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    const auto tooLarge = [&](qint64 size) {
        *error = IniSettingsStore::tr("%1 holds %2, far more than a settings file of this "
                                      "program")
                     .arg(native(path), QLocale().formattedDataSize(size));
        return false;
    };
    if (!info.isFile()) {
        *error = IniSettingsStore::tr("%1 is not a regular file").arg(native(path));
        return false;
    }
    if (info.size() > IniSettingsStore::MaximumFileSize)
        return tooLarge(info.size());
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        *text = file.read(IniSettingsStore::MaximumFileSize + 1);
    // A read that fails half-way must not pass for an empty file, which a save would then
    // write over.
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        *error =
            IniSettingsStore::tr("%1 cannot be read: %2").arg(native(path), file.errorString());
        return false;
    }
    // It may have grown since it was looked at.
    if (text->size() > IniSettingsStore::MaximumFileSize)
        return tooLarge(qMax(file.size(), qint64(text->size())));
    return true;
}

// Polled in short steps: QLockFile::tryLock(timeout) pauses 100 ms before its first retry.
// A lock left by a process that has ended is removed by QLockFile at once.
bool takeLock(QLockFile &lock, QString *error)
{
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError ||
            waited.elapsed() >= IniSettingsStore::LockWaitMs) {
            qint64 pid = 0;
            QString host, application;
            if (lock.error() == QLockFile::LockFailedError &&
                lock.getLockInfo(&pid, &host, &application))
                *error = IniSettingsStore::tr("another program (process %1) is writing the "
                                              "settings; try again")
                             .arg(pid);
            else
                *error = IniSettingsStore::tr("the lock %1 cannot be taken")
                             .arg(native(lock.fileName()));
            return false;
        }
        QThread::msleep(10);
    }
    return true;
}

} // namespace

IniSettingsStore::IniSettingsStore(QString filePath, QString group)
    : m_path(std::move(filePath)), m_group(std::move(group))
{
}

bool IniSettingsStore::reload(QString *error)
{
    m_values.clear();
    QByteArray text;
    if (!readText(m_path, &text, error)) {
        *error = tr("%1; the settings are not read").arg(*error);
        qCWarning(lcOrvanta, "%s", qPrintable(*error));
        return false;
    }
    m_values = IniText::parse(text, m_group);
    return true;
}

QString IniSettingsStore::value(const QString &key, const QString &defaultText)
{
    return m_values.value(key, defaultText);
}

bool IniSettingsStore::save(const Entries &entries, QString *error)
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = tr("cannot create the folder %1").arg(native(folder));
        return false;
    }
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!takeLock(lock, error))
        return false;
    // Read under the lock: other groups, keys this program does not know, and whatever
    // another writer changed a moment ago are all kept.
    QByteArray text;
    if (!readText(m_path, &text, error))
        return false;
    const QByteArray updated = IniText::merged(text, m_group, entries);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(updated) != updated.size() ||
        !file.commit()) {
        *error = tr("%1 cannot be written: %2").arg(native(m_path), file.errorString());
        return false;
    }
    m_values = IniText::parse(updated, m_group);
    return true;
}
