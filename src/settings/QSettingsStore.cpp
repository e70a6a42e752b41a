#include "settings/QSettingsStore.h"

#include <QSettings>

namespace {
QSettings::Format storeFormat()
{
#ifdef Q_OS_WIN
    return QSettings::NativeFormat;
#else
    return QSettings::IniFormat;
#endif
}
} // namespace

void QSettingsStore::save(const QString &application, const QString &section, const QString &key,
                          const QString &text)
{
    QSettings settings(storeFormat(), QSettings::UserScope, application, application);
    settings.beginGroup(section);
    settings.setValue(key, text);
}

QString QSettingsStore::get(const QString &application, const QString &section,
                            const QString &key, const QString &defaultText)
{
    QSettings settings(storeFormat(), QSettings::UserScope, application, application);
    settings.beginGroup(section);
    return settings.value(key, defaultText).toString();
}
