#pragma once

#include "core/SettingsStore.h"

#include <QHash>

// The settings as an INI file of their own (one group), in the text QSettings writes and
// reads. The file is read once, when the store is made; a save replaces it in one step (a
// new file renamed over the old), so a kill leaves the old settings or the new, never a
// mix, and no lock left by somebody else can make it wait.
class IniSettingsStore final : public SettingsStore
{
public:
    IniSettingsStore(QString filePath, QString group);

    QString value(const QString &key, const QString &defaultText) override;
    bool save(const Entries &entries, QString *error) override;
    QString location() const override { return m_path; }

private:
    QString m_path;
    QString m_group;
    QHash<QString, QVariant> m_values;
};
