#include "schedule/PowerRequest.h"
#include "schedule/TickTimer.h"
#include "schedule/TimeNumber.h"

#include <QTest>

class TimeNumberTest : public QObject
{
    Q_OBJECT
private slots:
    void compose_data();
    void compose();
    void countdown_data();
    void countdown();
    void clockTimeNumber_data();
    void clockTimeNumber();
    void timeOfDay_data();
    void timeOfDay();
    void powerFlags_data();
    void powerFlags();
    void tickDelay_data();
    void tickDelay();
};

void TimeNumberTest::compose_data()
{
    QTest::addColumn<QStringList>("hms");
    QTest::addColumn<int>("expected");
    const auto row = [](const char *name, const QStringList &hms, int expected) {
        QTest::newRow(name) << hms << expected;
    };
    row("1:05:00", {"1", "5", "0"}, 10500);
    row("0:00:30", {"0", "0", "30"}, 30);
    row("23:59:59", {"23", "59", "59"}, 235959);
    row("zero refused", {"0", "0", "0"}, 0);
    row("midnight refused", {"00", "00", "00"}, 0);
    row("one second", {"0", "0", "1"}, 1);
    row("leading zeros", {"07", "05", "03"}, 70503);
    row("99 hours", {"99", "59", "59"}, 995959);
    // Fractions are rounded by the number patterns, halves away from zero.
    row("fraction", {"0", "2.5", "0"}, 300);
    row("fraction low", {"1.4", "0", "0"}, 10000);
    // Out of range texts (loaded unchecked) are joined, not added.
    row("150 minutes joined", {"0", "150", "0"}, 15000);
    row("not a number counts as 0", {"abc", "", "5"}, 5);
    row("minus sign inside refuses", {"1", "-5", "0"}, 0);
    row("overflow refuses", {"99999999", "0", "0"}, 0);
    row("largest int", {"214748", "36", "47"}, 2147483647);
    row("one past largest", {"214748", "36", "48"}, 0);
}

void TimeNumberTest::compose()
{
    QFETCH(QStringList, hms);
    QFETCH(int, expected);
    QCOMPARE(composeTargetTime(hms[0], hms[1], hms[2]), expected);
}

using Writes = std::vector<std::pair<int, QString>>;
Q_DECLARE_METATYPE(Writes)

void TimeNumberTest::countdown_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("due");
    QTest::addColumn<Writes>("writes");
    QTest::newRow("seconds") << QStringList{"2", "0", "30"} << false << Writes{{2, "29"}};
    QTest::newRow("last second") << QStringList{"0", "0", "1"} << false << Writes{{2, "0"}};
    QTest::newRow("borrow minute")
        << QStringList{"0", "2", "0"} << false << Writes{{1, "1"}, {2, "59"}};
    QTest::newRow("borrow hour") << QStringList{"1", "0", "0"} << false
                                 << Writes{{0, "0"}, {1, "59"}, {2, "59"}};
    QTest::newRow("run out") << QStringList{"0", "0", "0"} << true << Writes{};
    QTest::newRow("negative counts as run out")
        << QStringList{"-1", "-2", "-3"} << true << Writes{};
    QTest::newRow("leading zero written plainly")
        << QStringList{"0", "0", "09"} << false << Writes{{2, "8"}};
    QTest::newRow("fraction") << QStringList{"0", "0", "2.5"} << false << Writes{{2, "1.5"}};
    QTest::newRow("fraction below one")
        << QStringList{"0", "0", "0.5"} << false << Writes{{2, "-0.5"}};
    QTest::newRow("non-number is zero") << QStringList{"x", "y", "z"} << true << Writes{};
    QTest::newRow("non-number seconds borrow")
        << QStringList{"0", "3", "x"} << false << Writes{{1, "2"}, {2, "59"}};
}

void TimeNumberTest::countdown()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, due);
    QFETCH(Writes, writes);
    const CountdownStep step = countdownStep({texts[0], texts[1], texts[2]});
    QCOMPARE(step.due, due);
    QCOMPARE(step.writes, writes);
}

void TimeNumberTest::clockTimeNumber_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("expected");
    QTest::newRow("9:05:03") << QTime(9, 5, 3) << 90503;
    QTest::newRow("14:30:00") << QTime(14, 30, 0) << 143000;
    QTest::newRow("0:00:05") << QTime(0, 0, 5) << 5;
    QTest::newRow("midnight") << QTime(0, 0, 0) << 0;
    QTest::newRow("23:59:59.999") << QTime(23, 59, 59, 999) << 235959;
}

void TimeNumberTest::clockTimeNumber()
{
    QFETCH(QTime, time);
    QFETCH(int, expected);
    QCOMPARE(timeNumberOf(time), expected);
}

void TimeNumberTest::timeOfDay_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QDateTime>("previous");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("due");
    const QDate day(2026, 12, 7);
    auto at = [day](int h, int m, int s, int ms = 0) { return QDateTime(day, QTime(h, m, s, ms)); };
    QTest::newRow("second before") << 143000 << at(14, 29, 58, 2) << at(14, 29, 59, 2) << false;
    QTest::newRow("in the second") << 143000 << at(14, 29, 59, 2) << at(14, 30, 0, 2) << true;
    QTest::newRow("late in the second")
        << 143000 << at(14, 29, 59, 2) << at(14, 30, 0, 998) << true;
    QTest::newRow("late tick crossed it")
        << 143000 << at(14, 29, 59, 2) << at(14, 30, 1, 40) << true;
    QTest::newRow("crossed within 5 s") << 143000 << at(14, 29, 57) << at(14, 30, 2) << true;
    QTest::newRow("gap over 5 s waits a day")
        << 143000 << at(14, 29, 55) << at(14, 30, 0, 1) << true; // exact second still matches
    QTest::newRow("gap over 5 s crossed") << 143000 << at(14, 29, 55) << at(14, 30, 1) << false;
    QTest::newRow("past at arming") << 143000 << at(14, 30, 0, 500) << at(14, 30, 1, 2) << false;
    QTest::newRow("crossing midnight")
        << 0 << at(23, 59, 59, 2) << QDateTime(day.addDays(1), QTime(0, 0, 1, 5)) << true;
    QTest::newRow("clock set back") << 143000 << at(14, 30, 5) << at(14, 29, 0) << false;
    QTest::newRow("no such time") << 7500 << at(0, 59, 59) << at(1, 0, 1) << false;
    QTest::newRow("negative target") << -5 << at(0, 0, 0) << at(0, 0, 1) << false;
}

void TimeNumberTest::timeOfDay()
{
    QFETCH(int, target);
    QFETCH(QDateTime, previous);
    QFETCH(QDateTime, now);
    QFETCH(bool, due);
    QCOMPARE(timeOfDayDue(target, previous, now), due);
}

void TimeNumberTest::powerFlags_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("check1");
    QTest::addColumn<bool>("force");
    QTest::addColumn<unsigned>("flags");
    const char *names[] = {"log off", "power off", "restart"};
    const unsigned base[] = {0, 8, 2};
    for (int action = 0; action < 3; ++action) {
        for (int value = 0; value < 3; ++value) {
            const bool force = value == 1;
            QTest::addRow("%s, Value %d", names[action], value)
                << action << value << force << (base[action] + (force ? 4u : 0u));
        }
    }
}

void TimeNumberTest::powerFlags()
{
    QFETCH(int, action);
    QFETCH(int, check1);
    QFETCH(bool, force);
    QFETCH(unsigned, flags);
    const PowerRequest request = powerRequestFor(static_cast<PowerAction>(action), check1);
    QCOMPARE(static_cast<int>(request.action), action);
    QCOMPARE(request.force, force);
    QCOMPARE(request.flags, flags);
}

void TimeNumberTest::tickDelay_data()
{
    QTest::addColumn<qint64>("armedAt");
    QTest::addColumn<qint64>("ticksDone");
    QTest::addColumn<qint64>("now");
    QTest::addColumn<bool>("align");
    QTest::addColumn<int>("wallMsec");
    QTest::addColumn<qint64>("delay");
    QTest::newRow("first tick") << qint64(500) << qint64(0) << qint64(500) << false << 0
                                << qint64(1000);
    // A tick that ran 30 ms late does not push the next one back.
    QTest::newRow("late tick absorbed")
        << qint64(500) << qint64(1) << qint64(1530) << false << 0 << qint64(970);
    QTest::newRow("after 60 ticks")
        << qint64(0) << qint64(60) << qint64(60004) << false << 0 << qint64(996);
    QTest::newRow("overdue fires at once")
        << qint64(0) << qint64(1) << qint64(2500) << false << 0 << qint64(0);
    QTest::newRow("aligned mid-second")
        << qint64(0) << qint64(0) << qint64(0) << true << 300 << qint64(702);
    QTest::newRow("aligned just after")
        << qint64(0) << qint64(3) << qint64(0) << true << 2 << qint64(1000);
}

void TimeNumberTest::tickDelay()
{
    QFETCH(qint64, armedAt);
    QFETCH(qint64, ticksDone);
    QFETCH(qint64, now);
    QFETCH(bool, align);
    QFETCH(int, wallMsec);
    QFETCH(qint64, delay);
    QCOMPARE(tickDelayMs(armedAt, ticksDone, 1000, now, align, wallMsec), delay);
}

QTEST_APPLESS_MAIN(TimeNumberTest)
#include "tst_timenumber.moc"
