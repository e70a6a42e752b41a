#include "core/Settings.h"
#include "core/SettingsStore.h"

#include <QMap>
#include <QTest>

struct MemoryStore final : SettingsStore
{
    QString value(const QString &key, const QString &absent) override
    {
        return values.value(key, absent);
    }
    bool save(const Entries &entries, QString *) override
    {
        for (const auto &[key, text] : entries) {
            saved << key + '=' + text;
            values.insert(key, text);
        }
        return true;
    }
    QString location() const override { return {}; }
    QMap<QString, QString> values;
    QStringList saved;
};

// Action, force, time setting, warning, the count-down texts and the time texts, as stored.
QStringList flat(const Choices &c)
{
    const auto index = [](auto value) { return value ? QString::number(int(*value)) : "-"; };
    const int force = c.force == Qt::Checked ? 1 : c.force == Qt::PartiallyChecked ? 2 : 0;
    return QStringList{index(c.action), QString::number(force), index(c.timeMode),
                       QString::number(c.warning)} +
           QStringList{c.countdown.begin(), c.countdown.end()} +
           QStringList{c.timeOfDay.begin(), c.timeOfDay.end()};
}

// Then the programs ('|' between), quiet minutes, CPU, disk, network and idle minutes.
QStringList flat(const WaitChoices &w)
{
    QStringList numbers{w.programs.join('|')};
    for (int n : {w.quietMinutes, w.cpuPercent, w.diskKBps, w.networkKBps, w.idleMinutes})
        numbers << QString::number(n);
    return numbers;
}

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void load_data()
    {
        QTest::addColumn<QString>("stored"); // "key=text", ';' between
        QTest::addColumn<QString>("loaded"); // what flat() gives, '|' between
        const QString defaults = "0|1|0|1|0|0|0|0|0|0|", waits = "|5|25|1000|10|5";
        QTest::newRow("nothing stored") << "" << defaults + waits;
        QTest::newRow("texts verbatim, no time setting 2")
            << "Action=2;Force=0;TimeSetting=2;Warning=0;CountDown0= 07 ;Time2=x"
            << "2|0|0|0| 07 |0|0|0|0|x|" + waits;
        QTest::newRow("the last action") << "Action=6" << "6" + defaults.mid(1) + waits;
        for (const QString bad : {"x", "1.5", "-1", "7", "", "4294967297", "1, 2"})
            QTest::addRow("corrupt '%s'", qPrintable(bad))
                << QString("Action=%1;Force=%1;TimeSetting=%1;Warning=%1").arg(bad)
                << defaults + waits;
        QTest::newRow("waits at the ends of their ranges")
            << "WaitPrograms=make//backup job.sh/;QuietMinutes=1440;QuietCPU=1;"
               "QuietDisk=1000000;QuietNetwork= 1.0 ;IdleMinutes=1"
            << defaults + "make|backup job.sh|1440|1|1000000|1|1";
        QTest::newRow("waits beyond their ranges or no numbers")
            << "QuietMinutes=1441;QuietCPU=2.5;QuietDisk=0;QuietNetwork=1000001;IdleMinutes=x"
            << defaults + waits;
    }
    void load()
    {
        QFETCH(QString, stored);
        QFETCH(QString, loaded);
        MemoryStore store;
        for (const QString &line : stored.split(';', Qt::SkipEmptyParts))
            store.values.insert(line.section('=', 0, 0), line.section('=', 1));
        const QStringList got = flat(Settings::load(store)) + flat(Settings::loadWaits(store));
        QCOMPARE(got.join('|'), loaded);
    }

    // Every key in order; an action or time setting not selected keeps the stored one.
    void save()
    {
        MemoryStore store;
        store.values = {{"Action", "2"}, {"TimeSetting", "1"}};
        QVERIFY(Settings::save(
            store,
            {std::nullopt, Qt::Unchecked, std::nullopt, {"1", "2", "3"}, {"4", "5", "6"}, true},
            nullptr));
        QCOMPARE(store.saved, (QStringList{"Force=0", "CountDown0=1", "Time0=4", "CountDown1=2",
                                           "Time1=5", "CountDown2=3", "Time2=6", "Warning=1"}));
        // The waits write their own keys only.
        store.saved.clear();
        QVERIFY(Settings::saveWaits(store, {{"make", "backup job.sh"}, 1, 100, 7, 1000000, 1440},
                                    nullptr));
        QCOMPARE(store.saved,
                 (QStringList{"WaitPrograms=make/backup job.sh", "QuietMinutes=1", "QuietCPU=100",
                              "QuietDisk=7", "QuietNetwork=1000000", "IdleMinutes=1440"}));
        QCOMPARE(flat(Settings::load(store)),
                 (QStringList{"2", "0", "1", "1", "1", "2", "3", "4", "5", "6"}));
    }

    void spinner_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        const std::tuple<const char *, int, int> rows[] = {
            {"07", 99, 7},  {"150", 99, 99}, {"-5", 59, 0},    {"abc", 59, 0},
            {"2.5", 59, 2}, {"3.5", 59, 4},  {"59.5", 59, 59}, {"4294967296", 59, 59}};
        for (const auto &[stored, maximum, value] : rows)
            QTest::addRow("%s", stored) << QString(stored) << maximum << value;
    }
    void spinner()
    {
        QFETCH(QString, stored);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QCOMPARE(Settings::loadedSpinnerValue(stored, maximum), value);
    }
};

QTEST_APPLESS_MAIN(SettingsTest)
#include "tst_settings.moc"
