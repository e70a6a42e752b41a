#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>

namespace {

// HKEY_CURRENT_USER\Software\Orvanta\Orvanta\Settings, read once and written in one sync.
class RegistrySettingsStore final : public SettingsStore
{
public:
    RegistrySettingsStore()
        : m_settings(QSettings::NativeFormat, QSettings::UserScope, SettingsKeys::application(),
                     SettingsKeys::application())
    {
        m_settings.beginGroup(SettingsKeys::section());
    }
    QString value(const QString &key, const QString &defaultText) override
    {
        const QVariant value = m_settings.value(key);
        if (!value.isValid())
            return defaultText;
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QStringLiteral(", "));
        return value.canConvert<QString>() ? value.toString() : defaultText;
    }
    bool save(const Entries &entries, QString *error) override
    {
        for (const auto &[key, text] : entries)
            m_settings.setValue(key, text);
        m_settings.sync();
        if (m_settings.status() == QSettings::NoError)
            return true;
        *error =
            QCoreApplication::translate("RegistrySettingsStore", "the registry refused the values");
        return false;
    }
    QString location() const override { return m_settings.fileName(); }

private:
    QSettings m_settings;
};

} // namespace

std::unique_ptr<SettingsStore> Platform::makeSettingsStore()
{
    return std::make_unique<RegistrySettingsStore>();
}
