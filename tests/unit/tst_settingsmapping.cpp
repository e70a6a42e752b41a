#include "settings/SettingsMapping.h"

#include <QTest>

class SettingsMappingTest : public QObject
{
    Q_OBJECT
private slots:
    void storedIndex_data();
    void storedIndex();
    void spinnerValue_data();
    void spinnerValue();
};

// Stored action, force and mode: anything but a whole number in range counts as missing.
void SettingsMappingTest::storedIndex_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("force");
    QTest::addColumn<int>("timeSetting");
    auto row = [](const char *stored, int a, int f, int t) {
        QTest::newRow(*stored ? stored : "empty") << QString::fromUtf8(stored) << a << f << t;
    };
    row("0", 0, 0, 0);
    row("1", 1, 1, 1);
    row("2", 2, 2, 0);
    row("3", 0, 1, 0);
    row("7", 0, 1, 0);
    row("-1", 0, 1, 0);
    row("99999", 0, 1, 0);
    row("4294967298", 0, 1, 0); // 2 modulo 2^32 must not sneak in
    row("65537", 0, 1, 0);      // 1 modulo 2^16 likewise
    row("x", 0, 1, 0);
    row("", 0, 1, 0);
    row("1.5", 0, 1, 0);
    row("1.0", 1, 1, 1);
    row(" 2 ", 2, 2, 0);
    row("02", 2, 2, 0);
    row("-0", 0, 0, 0);
    row("1e0", 1, 1, 1);
    row("inf", 0, 1, 0);
    row("nan", 0, 1, 0);
    row("1, 2", 0, 1, 0);
}

void SettingsMappingTest::storedIndex()
{
    QFETCH(QString, stored);
    QFETCH(int, action);
    QFETCH(int, force);
    QFETCH(int, timeSetting);
    QCOMPARE(loadedAction(stored), action);
    QCOMPARE(loadedForce(stored), force);
    QCOMPARE(loadedTimeSetting(stored), timeSetting);
}

void SettingsMappingTest::spinnerValue_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::newRow("07") << "07" << 99 << 7;
    QTest::newRow("in range") << "42" << 59 << 42;
    QTest::newRow("at the top") << "23" << 23 << 23;
    QTest::newRow("above") << "150" << 99 << 99;
    QTest::newRow("hours 24") << "24" << 23 << 23;
    QTest::newRow("negative") << "-5" << 59 << 0;
    QTest::newRow("not a number") << "abc" << 59 << 0;
    QTest::newRow("empty") << "" << 59 << 0;
    QTest::newRow("half down to even") << "2.5" << 59 << 2;
    QTest::newRow("half up to even") << "3.5" << 59 << 4;
    QTest::newRow("58.5") << "58.5" << 59 << 58;
    QTest::newRow("59.5 rounds past the top") << "59.5" << 59 << 59;
    QTest::newRow("beyond 32 bits") << "4294967296" << 59 << 59;
    QTest::newRow("huge") << "1e300" << 99 << 99;
    QTest::newRow("huge negative") << "-1e300" << 99 << 0;
    QTest::newRow("inf") << "inf" << 99 << 0;
}

void SettingsMappingTest::spinnerValue()
{
    QFETCH(QString, stored);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QCOMPARE(loadedSpinnerValue(stored, maximum), value);
}

QTEST_APPLESS_MAIN(SettingsMappingTest)
#include "tst_settingsmapping.moc"
