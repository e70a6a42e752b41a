#pragma once

#include <QString>

// The per-user settings store: text values addressed by application, section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual void save(const QString &application, const QString &section, const QString &key,
                      const QString &text) = 0;
    virtual QString get(const QString &application, const QString &section, const QString &key,
                        const QString &defaultText) = 0;
};
