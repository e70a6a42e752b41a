// libFuzzer target over a settings file, which any program or person may have written, read
// by the store and loaded into the window's choices.
#include "Promise.h"
#include "core/Settings.h"
#include "platform/linux/IniSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Orvanta.conf"));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) &&
                file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size),
            "the file is written");
    file.close();
    IniSettingsStore store(path, SettingsKeys::section());
    QString error;
    require(store.reload(&error), "a small regular file is read");
    const Choices choices = Settings::load(store);
    require((!choices.action || unsigned(*choices.action) <= 2) && unsigned(choices.force) <= 2 &&
                (!choices.timeMode || unsigned(*choices.timeMode) <= 1),
            "choices in range");
    return 0;
}
