// libFuzzer target over a settings file, which any program or person may have written, read
// by the store and loaded into the window's choices, and saved into.
#include "Promise.h"
#include "core/ScheduleRule.h"
#include "core/Settings.h"
#include "platform/linux/IniSettingsStore.h"
#include "platform/linux/IniText.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Orvanta.conf"));
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(text) == text.size(),
            "the file is written");
    file.close();
    IniSettingsStore store(path, SettingsKeys::section());
    QString error;
    require(store.reload(&error), "a small regular file is read");
    const Choices choices = Settings::load(store);
    require((!choices.action || unsigned(*choices.action) < ActionCount) &&
                unsigned(choices.force) <= 2 &&
                (!choices.timeMode || unsigned(*choices.timeMode) <= 1),
            "choices in range");
    IniSettingsStore schedules(path, QStringLiteral("Schedules"));
    require(schedules.reload(&error), "the same file is read for the schedules");
    for (const StoredSchedule &schedule : ScheduleRules::load(schedules))
        require(schedule.rule.isValid() && unsigned(schedule.rule.action) < ActionCount,
                "schedules loaded are valid");

    // A save of any text, into any file: it reads back, and nothing else changes.
    const QString group = SettingsKeys::section();
    const SettingsStore::Entries entries = {
        {QStringLiteral("Time0"), QString::fromUtf8(text.right(20))},
        {QStringLiteral("Action"), QStringLiteral("1")}};
    const QByteArray saved = IniText::merged(text, group, entries);
    auto expected = IniText::parse(text, group);
    for (const auto &[key, value] : entries)
        expected.insert(key, *value);
    require(IniText::parse(saved, group) == expected, "a save writes only its keys");
    const QString other = QStringLiteral("Other");
    require(IniText::parse(saved, other) == IniText::parse(text, other),
            "a save keeps other groups");
    return 0;
}
