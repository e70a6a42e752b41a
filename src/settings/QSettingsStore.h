#pragma once

#include "settings/SettingsStore.h"

// The per-user store on QSettings: an INI file under $XDG_CONFIG_HOME on Linux
// (application/application.conf, one group per section), the registry under the current
// user on Windows.
class QSettingsStore final : public SettingsStore
{
public:
    void save(const QString &application, const QString &section, const QString &key,
              const QString &text) override;
    QString get(const QString &application, const QString &section, const QString &key,
                const QString &defaultText) override;
};
