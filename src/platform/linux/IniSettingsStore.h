#pragma once

#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QHash>

// The settings as an INI file of their own (one group), in the text QSettings writes, read
// and written here without QSettings: every value is taken as the text it is, never unpacked
// ("@Variant(…)" stays those characters). Nothing is read until reload(); value() answers
// from that read. A save re-reads the file and replaces it in one step (a new file renamed
// over the old) under the lock QSettings itself takes beside the file, so another writer's
// change between our read and our rename is never lost, and a kill leaves the old settings or
// the new, never a mix. Only our group's lines are rewritten; every other byte stays as it
// was. The lock is waited for only briefly: a save never holds up the window for long.
class IniSettingsStore final : public SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(IniSettingsStore)
public:
    // This program writes a few hundred bytes. A file far beyond that is not its own: it is
    // neither read into the window nor rewritten.
    static constexpr qint64 MaximumFileSize = 1024 * 1024;
    // How long a save waits for another writer's lock before it gives up.
    static constexpr int LockWaitMs = 500;

    IniSettingsStore(QString filePath, QString group);

    bool reload(QString *error) override;
    QString value(const QString &key, const QString &defaultText) override;
    bool save(const Entries &entries, QString *error) override;
    QString location() const override { return m_path; }

private:
    QString m_path;
    QString m_group;
    QHash<QString, QString> m_values;
};
