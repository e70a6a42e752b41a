#include "platform/linux/IniSettingsStore.h"

#include "core/Log.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The file's text; a missing file is an empty one. A folder, a named pipe or a device would
// block or fail the parser, and a file far beyond what this program writes is somebody
// else's: neither is read.
bool readText(const QString &path, QByteArray *text, QString *error)
{
    text->clear();
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    const auto tooLarge = [&](qint64 size) {
        *error = IniSettingsStore::tr("%1 holds %L2 bytes, far more than a settings file of this "
                                      "program")
                     .arg(native(path))
                     .arg(size);
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

// A value "@Variant(…)" is a serialized object that QSettings unpacks with QDataStream, which
// believes the counts it reads: a line of a few bytes can ask for gigabytes. This program
// writes no such value, so one found in the file is taken as the plain text it is ("@@").
QByteArray withoutSerializedValues(QByteArray text)
{
    static const QByteArray serialized("@Variant(");
    for (qsizetype line = 0; line < text.size();) {
        qsizetype end = text.indexOf('\n', line);
        if (end < 0)
            end = text.size();
        qsizetype at = text.indexOf('=', line);
        if (at >= 0 && at < end) {
            ++at;
            while (at < end && (text[at] == ' ' || text[at] == '\t'))
                ++at;
            if (text.mid(at, serialized.size()) == serialized) {
                text.insert(at, '@');
                ++end;
            }
        }
        line = end + 1;
    }
    return text;
}

// QSettings parses a scratch copy: what it parses is exactly what was checked above, and it
// never takes its own lock on the real file's name, which it would wait for without end.
bool writeDraft(const QTemporaryDir &scratch, const QByteArray &raw, QString *draft, QString *error)
{
    const QByteArray text = withoutSerializedValues(raw);
    *draft = scratch.filePath(QStringLiteral("draft.ini"));
    QFile file(*draft);
    if (!scratch.isValid() || !file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        *error = IniSettingsStore::tr("no temporary space to prepare the settings");
        return false;
    }
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
    QString draft;
    QTemporaryDir scratch;
    if (!readText(m_path, &text, error) ||
        (!text.isEmpty() && !writeDraft(scratch, text, &draft, error))) {
        *error = tr("%1; the settings are not read").arg(*error);
        qCWarning(lcOrvanta, "%s", qPrintable(*error));
        return false;
    }
    if (text.isEmpty())
        return true;
    QSettings settings(draft, QSettings::IniFormat);
    settings.beginGroup(m_group);
    for (const QString &key : settings.childKeys())
        m_values.insert(key, settings.value(key));
    return true;
}

// A hand-edited file may hold what this program never writes: "1, 2" reads back as a list
// (joined again), a number as a number (its text), "@Rect(…)" as something that is no text
// (the key counts as missing). Lines the parser cannot read are
// skipped; the other keys still load.
QString IniSettingsStore::value(const QString &key, const QString &defaultText)
{
    const QVariant value = m_values.value(key);
    if (!value.isValid())
        return defaultText;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (value.canConvert<QString>())
        return value.toString();
    return defaultText;
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
    // Read under the lock: keys of other groups, keys this program does not know, and
    // whatever another writer changed a moment ago are all kept.
    QByteArray text;
    QString draft;
    QTemporaryDir scratch;
    if (!readText(m_path, &text, error) || !writeDraft(scratch, text, &draft, error))
        return false;
    bool complete = false;
    {
        QSettings settings(draft, QSettings::IniFormat);
        settings.beginGroup(m_group);
        for (const auto &[key, value] : entries)
            settings.setValue(key, value);
        settings.endGroup();
        settings.sync();
        // Half a draft must not replace the whole file.
        complete = settings.status() != QSettings::AccessError;
    }
    QFile drafted(draft);
    if (!complete || !drafted.open(QIODevice::ReadOnly)) {
        *error = tr("no temporary space to prepare the settings");
        return false;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(drafted.readAll()) < 0 || !file.commit()) {
        *error = tr("%1 cannot be written: %2").arg(native(m_path), file.errorString());
        return false;
    }
    for (const auto &[key, value] : entries)
        m_values.insert(key, value);
    return true;
}
