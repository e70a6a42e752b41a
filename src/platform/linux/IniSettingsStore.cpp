#include "core/IniSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A "file" that is a folder, a named pipe or a device would block or fail the parser.
bool readable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    if (info.isFile())
        return true;
    std::fprintf(stderr, "orvanta: %s is not a regular file; the settings are not read\n",
                 qPrintable(QDir::toNativeSeparators(path)));
    return false;
}

} // namespace

IniSettingsStore::IniSettingsStore(QString filePath, QString group)
    : m_path(std::move(filePath)), m_group(std::move(group))
{
    if (!readable(m_path))
        return;
    QSettings settings(m_path, QSettings::IniFormat);
    settings.beginGroup(m_group);
    for (const QString &key : settings.childKeys())
        m_values.insert(key, settings.value(key));
}

// A hand-edited file may hold what this program never writes: "1, 2" reads back as a list
// (joined again), a number as a number (its text), "@Rect(…)" or a broken "@Variant(…)" as
// something that is no text (the key counts as missing). Lines the parser cannot read are
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
    const QFileInfo target(m_path);
    if (!QDir().mkpath(target.absolutePath())) {
        *error = QStringLiteral("cannot create the folder");
        return false;
    }
    // The text is made by QSettings in a scratch folder of its own, so that its lock on the
    // real file's name is never waited for...
    QTemporaryDir scratch;
    const QString draft = scratch.filePath(QStringLiteral("draft.ini"));
    {
        QSettings settings(draft, QSettings::IniFormat);
        // Keys of other groups, and keys this program does not know, are kept.
        if (readable(m_path)) {
            const QSettings old(m_path, QSettings::IniFormat);
            for (const QString &key : old.allKeys())
                settings.setValue(key, old.value(key));
        }
        settings.beginGroup(m_group);
        for (const auto &[key, text] : entries)
            settings.setValue(key, text);
        settings.endGroup();
        settings.sync();
    }
    QFile text(draft);
    if (!scratch.isValid() || !text.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no temporary space to prepare the settings");
        return false;
    }
    // ...and it replaces the file in one step: a new file renamed over the old.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.readAll()) < 0 || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    for (const auto &[key, value] : entries)
        m_values.insert(key, value);
    return true;
}
