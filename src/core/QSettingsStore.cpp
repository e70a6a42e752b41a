#include "core/QSettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace {
// Native everywhere: the registry on Windows; on Linux the same INI text as IniFormat, but
// named Orvanta.conf (IniFormat would name it Orvanta.ini).
constexpr QSettings::Format StoreFormat = QSettings::NativeFormat;
} // namespace

QSettingsStore::QSettingsStore(QString application, QString group)
    : m_application(std::move(application)), m_group(std::move(group))
{
}

// One QSettings per call, synced before it goes: nothing waits in memory for a later event,
// and the sync replaces the file as a whole (a temporary file renamed over the old one), so
// a process killed while saving leaves the previous file.
void QSettingsStore::save(const Entries &entries)
{
    QSettings settings(StoreFormat, QSettings::UserScope, m_application, m_application);
    settings.beginGroup(m_group);
    for (const auto &[key, text] : entries)
        settings.setValue(key, text);
    settings.endGroup();
    settings.sync();
}

// A hand-edited store may hold what this program never writes: "1, 2" reads back as a list
// (joined again), a number as a number (its text), "@Rect(…)" or a broken "@Variant(…)" as
// something that is no text (the key counts as missing). Lines the parser cannot read are
// skipped; the other keys still load.
QString QSettingsStore::value(const QString &key, const QString &defaultText)
{
    QSettings settings(StoreFormat, QSettings::UserScope, m_application, m_application);
    settings.beginGroup(m_group);
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return defaultText;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    // Texts, and the numbers a registry value may hold on Windows.
    if (value.canConvert<QString>())
        return value.toString();
    return defaultText;
}
