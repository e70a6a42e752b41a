#pragma once

#include "core/SettingsStore.h"

// The per-user store on QSettings: an INI file under $XDG_CONFIG_HOME on Linux
// (application/application.conf, one group), the registry under the current user on
// Windows.
class QSettingsStore final : public SettingsStore
{
public:
    QSettingsStore(QString application, QString group);

    QString value(const QString &key, const QString &defaultText) override;
    void save(const Entries &entries) override;

private:
    QString m_application;
    QString m_group;
};
