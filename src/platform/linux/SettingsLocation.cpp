#include "core/Settings.h"
#include "platform/Platform.h"
#include "platform/linux/IniSettingsStore.h"

#include <QDir>
#include <QStandardPaths>

// $XDG_CONFIG_HOME/Orvanta/Orvanta.conf, where QSettings would keep it too.
std::unique_ptr<SettingsStore> Platform::makeSettingsStore(const QString &group)
{
    const QString application = SettingsKeys::application();
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return std::make_unique<IniSettingsStore>(
        config.filePath(application + QLatin1Char('/') + application + QStringLiteral(".conf")),
        group);
}
