#include "../ManualClock.h"
#include "core/ArmedTime.h"
#include "core/FieldCheck.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

// The time rules, the field check, and the ArmedTime that runs them on a clock the test sets.
class ScheduleTest : public QObject
{
    Q_OBJECT
    ManualClock m_clock;
    ArmedTime m_schedule{m_clock};

private slots:
    // In Germany "2,5" is a number, and so is "2.5", which stored settings use anywhere.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init()
    {
        m_schedule.disarm();
        m_clock.wall = QDateTime(QDate(2026, 12, 7), QTime(14, 29, 50));
    }

    void compose_data()
    {
        QTest::addColumn<QStringList>("hms");
        QTest::addColumn<int>("target");
        QTest::newRow("halves away from 0") << QStringList{"1", "4.5", "0.4"} << 10500;
        QTest::newRow("joined, not added") << QStringList{"0", "150", "0"} << 15000;
        QTest::newRow("non-numbers count 0") << QStringList{"x", "1e999", "5"} << 5;
        QTest::newRow("minus inside") << QStringList{"1", "-5", "0"} << 0;
        QTest::newRow("largest int") << QStringList{"214748", "36", "47"} << 2147483647;
        QTest::newRow("one past it") << QStringList{"214748", "36", "48"} << 0;
    }
    void compose()
    {
        QFETCH(QStringList, hms);
        QFETCH(int, target);
        QCOMPARE(TimeRules::composeTargetTime(hms[0], hms[1], hms[2]), target);
        QCOMPARE(m_schedule.arm(TimeMode::Countdown, {hms[0], hms[1], hms[2]}), target != 0);
    }

    // What fires is what the fields show: both kinds are taken as whole h:m:s at arming.
    void armTakesWholeSeconds_data()
    {
        QTest::addColumn<TimeMode>("mode");
        QTest::addColumn<QStringList>("hms");
        QTest::addColumn<QStringList>("shown"); // none: refused
        const auto row = [](const char *name, TimeMode mode, QStringList hms, QStringList shown) {
            QTest::newRow(name) << mode << hms << shown;
        };
        const TimeMode countdown = TimeMode::Countdown, clock = TimeMode::TimeOfDay;
        row("0.2 h counts 12 min", countdown, {"0.2", "0", "0"}, {"0", "12", "0"});
        row("0.4 min counts 24 s", countdown, {"0", "0.4", "00"}, {"0", "0", "24"});
        row("0.4 s is nothing", countdown, {"0", "0", "0.4"}, {});
        row("12.5 h waits for 12:30", clock, {"12.5", "0", "0"}, {"12", "30", "0"});
        row("leading zeros stay", clock, {"07", "05", "0"}, {"07", "05", "0"});
        row("24:00 is no time", clock, {"24", "0", "0"}, {});
        row("23.9 h 59 min is past midnight", clock, {"23.9", "59", "0"}, {});
        row("75 min is no time", clock, {"0", "75", "0"}, {});
    }
    void armTakesWholeSeconds()
    {
        QFETCH(TimeMode, mode);
        QFETCH(QStringList, hms);
        QFETCH(QStringList, shown);
        QSignalSpy written(&m_schedule, &ArmedTime::fieldWritten);
        QCOMPARE(m_schedule.arm(mode, {hms[0], hms[1], hms[2]}), !shown.isEmpty());
        if (shown.isEmpty())
            return;
        QStringList fields = hms;
        for (const QList<QVariant> &args : written)
            fields[args[0].toInt()] = args[1].toString();
        QCOMPARE(fields, shown);
        QCOMPARE(m_schedule.targetTime(),
                 TimeRules::composeTargetTime(shown[0], shown[1], shown[2]));
    }

    // Row ('C'ountdown, 'T'ime of day) and field left, texts before, writes ("index=text").
    // The hour a carry cannot add is the same whether minutes or seconds were left: the
    // cascades at 99 and at 23 show it.
    void check_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("writes");
        const auto row = [](const char *name, const char *field, const QStringList &before,
                            const QStringList &writes) {
            QTest::newRow(name) << QString::fromLatin1(field) << before << writes;
        };
        for (const char *text : {"", " ", "abc", "1.000.000", "1,5.5", "1 2", "0x10", "e5", "-",
                                 ".", "inf", "nan", "1e999", "\u0665"})
            QTest::addRow("'%s' is no number", text)
                << "C0" << QStringList{text, "5", "6"} << QStringList{"0=0"};
        for (const char *text :
             {" 7\t", "007", "+5", ".5", "1.", "12.5", "2,5", "2.5E-1", "1e-999"})
            QTest::addRow("'%s' kept", text)
                << "C0" << QStringList{text, "5", "6"} << QStringList{};
        row("hours 150 stay 99", "C0", {"150", "0", "0"}, {"0=99"});
        row("one carry only", "C1", {"1", "150", "0"}, {"1=30", "0=2"});
        row("carry up to 99", "C1", {"98", "75", "0"}, {"1=15", "0=99"});
        row("59.2 carries", "C1", {"4", "59.2", "0"}, {"1=59", "0=5"});
        row("60.5 half even", "C1", {"4", "60.5", "0"}, {"1=0", "0=5"});
        row("carry to non-number", "C1", {"abc", "60", "0"}, {"1=0", "0=1"});
        row("cascade", "C2", {"0", "59", "61"}, {"2=1", "1=60", "1=0", "0=1"});
        row("cascade at 99", "C2", {"99", "59", "60"}, {"2=0", "1=60", "1=0"});
        row("unchecked minutes", "C2", {"1", "75", "60"}, {"2=0", "1=76", "1=16", "0=2"});
        row("largest double", "C2", {"0", "0", "1.7976931348623157e308"}, {"2=8", "1=1"});
        row("clock hours 24", "T0", {"24", "0", "0"}, {"0=0"});
        row("clock cascade", "T2", {"23", "59", "60"}, {"2=0", "1=60", "1=0", "0=0"});
    }
    void check()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, before);
        QFETCH(QStringList, writes);
        const TimeMode row = field[0] == 'C' ? TimeMode::Countdown : TimeMode::TimeOfDay;
        std::array<QString, 3> texts{before[0], before[1], before[2]};
        QStringList returned, applied;
        for (const FieldCheck::FieldWrite &write : FieldCheck::checkField(
                 row, field[1].digitValue(), [&texts](int i) { return texts.at(i); },
                 [&](int i, const QString &text) {
                     applied << QString::number(i) + '=' + text;
                     texts.at(i) = text;
                 }))
            returned << QString::number(write.index) + '=' + write.text;
        QCOMPARE(returned, writes);
        QCOMPARE(applied, writes);
    }

    // 1:00:01 is due a tick after 0:00:00; ticks are due at arming + k s, late or not.
    void countdown()
    {
        QSignalSpy written(&m_schedule, &ArmedTime::fieldWritten);
        QSignalSpy due(&m_schedule, &ArmedTime::due), warned(&m_schedule, &ArmedTime::warning);
        QVERIFY(m_schedule.arm(TimeMode::Countdown, {"0", "60", "1"})); // shown as 1:00:01
        m_clock.advance(1030);
        QCOMPARE(m_schedule.msUntilNextTick(), 970);
        m_clock.advance(1030);
        QCOMPARE(m_schedule.msUntilNextTick(), 940);
        QStringList shown;
        for (const QList<QVariant> &args : written)
            shown << args[0].toString() + '=' + args[1].toString();
        QCOMPARE(shown, (QStringList{"0=1", "1=0", "2=0", "0=0", "1=59", "2=59"}));
        int ticks = 2;
        for (; due.isEmpty() && ticks < 9999; ++ticks)
            m_clock.advance(1000);
        QCOMPARE(ticks, 3602);
        QCOMPARE(warned, QList<QVariantList>{{qint64(60)}}); // once, a minute before
        QVERIFY(!m_schedule.armed() && m_schedule.msUntilNextTick() == -1);
        QVERIFY(m_schedule.arm(TimeMode::Countdown, {"0", "0", "3"})); // counts afresh
        QCOMPARE(m_schedule.msUntilNextTick(), 1000);
        m_clock.advance(4000);
        QCOMPARE(due.size(), 2);
    }

    // A tick in the second and a second passed at arming: timeOfDay below.
    void timeOfDayRule_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QDateTime>("previous"); // check
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("due");
        const auto at = [](int h, int m, int s, int ms = 0) {
            return QDateTime(QDate(2026, 12, 7), QTime(h, m, s, ms));
        };
        QTest::newRow("late tick") << 143000 << at(14, 29, 59, 2) << at(14, 30, 1, 40) << true;
        QTest::newRow("crossed in 6 s") << 143000 << at(14, 29, 55) << at(14, 30, 1) << false;
        QTest::newRow("clock set back") << 143000 << at(14, 30, 5) << at(14, 29, 0) << false;
        QTest::newRow("over midnight") << 1 << at(23, 59, 59, 2) << at(0, 0, 2).addDays(1) << true;
        // When daylight saving time begins, 2:00 to 3:00 passes in one real second.
        const QDateTime berlin(QDate(2026, 3, 29), QTime(1, 59, 59), QTimeZone("Europe/Berlin"));
        QTest::newRow("skipped hour") << 23000 << berlin << berlin.addMSecs(1000) << true;
    }
    void timeOfDayRule()
    {
        QFETCH(int, target);
        QFETCH(QDateTime, previous);
        QFETCH(QDateTime, now);
        QFETCH(bool, due);
        QCOMPARE(TimeRules::timeOfDayDue(target, previous, now), due);
    }

    // Ticks land just after each wall-clock second. Each check, arming too, is the previous
    // one for the next tick: a second begun at arming has passed, a late tick still fires.
    void timeOfDay()
    {
        QSignalSpy due(&m_schedule, &ArmedTime::due);
        m_clock.wall.setTime(QTime(14, 29, 58, 700));
        QVERIFY(m_schedule.arm(TimeMode::TimeOfDay, {"14", "30", "0"}));
        QCOMPARE(m_schedule.msUntilNextTick(), 302);
        m_clock.advance(302);
        m_clock.wall.setTime(QTime(14, 30, 0, 510));
        QVERIFY(m_schedule.arm(TimeMode::TimeOfDay, {"14", "30", "0"}));
        m_clock.advance(500); // 14:30:01.010
        QVERIFY(due.isEmpty());
        QCOMPARE(m_schedule.msUntilNextTick(), 992);
        QVERIFY(m_schedule.arm(TimeMode::TimeOfDay, {"14", "30", "5"}));
        for (const int step : {1000, 1000, 1000, 2500}) // the last 5.5 s after arming
            m_clock.advance(step);
        QCOMPARE(due.size(), 1);
    }

    // The computer sleeps: a countdown stands still and resumes; a warning minute slept
    // through begins again in full; a time of day passed in the sleep waits for tomorrow.
    void sleep_data()
    {
        QTest::addColumn<TimeMode>("mode");
        QTest::addColumn<QStringList>("hms");
        QTest::addColumn<QList<int>>("sleep"); // seconds after arming, seconds asleep
        QTest::addColumn<int>("dueAfter");     // seconds awake after arming; 0: not in 3 h
        QTest::addColumn<int>("warnings");
        const TimeMode countdown = TimeMode::Countdown, clock = TimeMode::TimeOfDay;
        const QStringList at1431{"14", "31", "0"}; // 70 s after arming at 14:29:50
        QTest::newRow("countdown resumes")
            << countdown << QStringList{"0", "5", "0"} << QList{100, 3600} << 301 << 1;
        QTest::newRow("warning minute again")
            << countdown << QStringList{"0", "1", "30"} << QList{60, 3600} << 60 + 61 << 2;
        QTest::newRow("time of day in the minute")
            << clock << at1431 << QList{40, 20} << 40 + 61 << 2;
        QTest::newRow("time of day slept past") << clock << at1431 << QList{20, 3600} << 0 << 1;
    }
    void sleep()
    {
        QFETCH(TimeMode, mode);
        QFETCH(QStringList, hms);
        QFETCH(QList<int>, sleep);
        QFETCH(int, dueAfter);
        QFETCH(int, warnings);
        QSignalSpy due(&m_schedule, &ArmedTime::due), warned(&m_schedule, &ArmedTime::warning);
        QVERIFY(m_schedule.arm(mode, {hms[0], hms[1], hms[2]}));
        m_clock.advance(sleep[0] * 1000);
        m_clock.sleep(sleep[1] * 1000);
        int awake = sleep[0];
        for (; due.isEmpty() && awake < 3 * 3600; ++awake)
            m_clock.advance(1000);
        QCOMPARE(due.isEmpty() ? 0 : awake, dueAfter);
        QCOMPARE(warned.size(), warnings);
    }
};

QTEST_GUILESS_MAIN(ScheduleTest)
#include "tst_armedtime.moc"
