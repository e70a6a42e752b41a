#include "settings/QSettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace {
// Native everywhere: the registry on Windows; on Linux the same INI text as IniFormat, but
// named Orvanta.conf (IniFormat would name it Orvanta.ini).
constexpr QSettings::Format StoreFormat = QSettings::NativeFormat;
} // namespace

// One QSettings per call, synced before it goes: nothing waits in memory for a later event,
// and each sync replaces the file as a whole (a temporary file renamed over the old one), so
// a process killed while saving leaves the previous file. A failed write (a folder that
// cannot be written) leaves the file as it was; nothing is reported, as nothing can be done.
void QSettingsStore::save(const QString &application, const QString &section, const QString &key,
                          const QString &text)
{
    QSettings settings(StoreFormat, QSettings::UserScope, application, application);
    settings.beginGroup(section);
    settings.setValue(key, text);
    settings.endGroup();
    settings.sync();
}

// A hand-edited store may hold what this program never writes: "1, 2" reads back as a list
// (joined again), a number as a number (its text), "@Rect(…)" or a broken "@Variant(…)" as
// something that is no text (the key counts as missing). Lines the parser cannot read are skipped;
// the other keys still load.
QString QSettingsStore::get(const QString &application, const QString &section, const QString &key,
                            const QString &defaultText)
{
    QSettings settings(StoreFormat, QSettings::UserScope, application, application);
    settings.beginGroup(section);
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
