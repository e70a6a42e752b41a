#include "../ManualClock.h"
#include "../MemoryStore.h"
#include "core/ArmingController.h"
#include "core/ScheduleRunner.h"
#include "core/Settings.h"

#include <QLocale>
#include <QTest>
#include <QTimeZone>

namespace {

// Carries every action out at once, or, muted, never answers in time.
struct Power final : PowerRequester
{
    void request(Action, bool, Done done) override
    {
        PowerResult result;
        result.accepted = !muted;
        result.unanswered = muted;
        done(result);
    }
    bool muted = false;
};

// Counts how often the runner's alarms wake it.
struct CountingClock final : Clock
{
    explicit CountingClock(ManualClock &clock) : inner(clock) {}
    QDateTime now() const override { return inner.now(); }
    qint64 monotonicMs() const override { return inner.monotonicMs(); }
    qint64 suspendedMs() const override { return inner.suspendedMs(); }
    std::unique_ptr<Alarm> makeAlarm(std::function<void()> timeout) const override
    {
        return inner.makeAlarm([this, timeout] {
            ++wakes;
            timeout();
        });
    }
    ManualClock &inner;
    mutable int wakes = 0;
};

// Days and time, action, force, on (and wake), record (UTC): one schedule as the store spells it.
QStringList flat(const std::vector<StoredSchedule> &schedules)
{
    QStringList out;
    for (const StoredSchedule &s : schedules)
        out << QStringLiteral("%1|%2|%3|%4|%5")
                   .arg(ScheduleRules::format(s.rule))
                   .arg(int(s.rule.action))
                   .arg(s.rule.force)
                   .arg(QString(s.rule.enabled ? "on" : "off") + (s.rule.wake ? "|wake" : ""),
                        s.settledUntil.toUTC().toString(Qt::ISODate));
    return out;
}

// Action, force, time setting, the warning (lead, sound, own text), the count-down texts and
// the time texts, as stored.
QStringList flat(const Choices &c)
{
    const auto index = [](auto value) { return value ? QString::number(int(*value)) : "-"; };
    const int force = c.force == Qt::Checked ? 1 : c.force == Qt::PartiallyChecked ? 2 : 0;
    const QString warning = QStringLiteral("%1 %2 %3").arg(c.warningMinutes).arg(c.warningSound);
    return QStringList{index(c.action), QString::number(force), index(c.timeMode),
                       warning.arg(c.warningNote)} +
           QStringList{c.countdown.begin(), c.countdown.end()} +
           QStringList{c.timeOfDay.begin(), c.timeOfDay.end()} +
           QStringList{
               QString::number(c.keepAwake),          c.command.line,
               QString::number(c.command.before),     QString::number(c.command.limitSeconds),
               QString::number(c.command.actAtLimit), QString::number(c.command.actOnFailure)};
}

// Then the programs ('|' between), quiet minutes, CPU, disk, network and idle minutes.
QStringList flat(const WaitChoices &w)
{
    QStringList numbers{w.programs.join('|')};
    for (int n : {w.quietMinutes, w.cpuPercent, w.diskKBps, w.networkKBps, w.idleMinutes})
        numbers << QString::number(n);
    return numbers;
}

} // namespace

// The window's settings as stored; the rules of repeating schedules, their texts and storage, and
// the runner on a clock the test moves, in Berlin (DST from 2026-03-29 02:00 to 2026-10-25 03:00)
// and Sydney (DST until 2026-04-05 03:00 and from 2026-10-04 02:00).
class ScheduleRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void load_data()
    {
        QTest::addColumn<QString>("stored"); // "key=text", ';' between
        QTest::addColumn<QString>("loaded"); // what flat() gives, '|' between
        const QString defaults = "0|1|0|1 0 |0|0|0|0|0|0|1||0|3600|0|0|", waits = "|5|25|1000|10|5";
        QTest::newRow("nothing stored") << "" << defaults + waits;
        QTest::newRow("texts verbatim, no time setting 2")
            << "Action=2;Force=0;TimeSetting=2;Warning=0;CountDown0= 07 ;Time2=x;KeepAwake=0"
            << "2|0|0|0 0 | 07 |0|0|0|0|x|0||0|3600|0|0|" + waits;
        // The warning's lead from the older key where the new one holds no choice.
        QTest::newRow("the older warning key") << "Warning=0;WarningMinutes=3"
                                               << "0|1|0|0 0 |0|0|0|0|0|0|1||0|3600|0|0|" + waits;
        QTest::newRow("the warning's keys")
            << "Warning=0;WarningMinutes=15;WarningSound=1;WarningText= Save\n your work "
            << "0|1|0|15 1 Save your work|0|0|0|0|0|0|1||0|3600|0|0|" + waits;
        QTest::newRow("the last action") << "Action=7"
                                         << "7" + defaults.mid(1) + waits;
        QTest::newRow("a command, its limit at the end of its range")
            << "Command=sh -c \"a b\";CommandBefore=1;CommandLimit=86400;CommandAtLimit=1;"
               "CommandOnFailure=2"
            << "0|1|0|1 0 |0|0|0|0|0|0|1|sh -c \"a b\"|1|86400|1|0|" + waits;
        for (const QString limit : {"0", "86401", "1.5"})
            QTest::addRow("command limit '%s'", qPrintable(limit))
                << "CommandLimit=" + limit << defaults + waits;
        for (const QString bad : {"x", "1.5", "-1", "8", "", "4294967297", "1, 2"})
            QTest::addRow("corrupt '%s'", qPrintable(bad))
                << QString("Action=%1;Force=%1;TimeSetting=%1;Warning=%1;KeepAwake=%1").arg(bad)
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
        store.fill(stored);
        const QStringList got = flat(Settings::load(store)) + flat(Settings::loadWaits(store));
        QCOMPARE(got.join('|'), loaded);
    }

    // Every key in order; an action or time setting not selected is not written, so the
    // stored one stays.
    void save()
    {
        MemoryStore store;
        const Choices choices{
            std::nullopt, Qt::Unchecked, std::nullopt, {"1", "2", "3"}, {"4", "5", "6"}, 0,
            true,         "Save",        false};
        QVERIFY(Settings::save(store, choices, nullptr));
        QCOMPARE(store.saved,
                 (QStringList{"Force=0", "CountDown0=1", "Time0=4", "CountDown1=2", "Time1=5",
                              "CountDown2=3", "Time2=6", "Warning=0", "WarningMinutes=0",
                              "WarningSound=1", "WarningText=Save", "KeepAwake=0",
                              "Command=", "CommandBefore=0", "CommandLimit=3600",
                              "CommandAtLimit=0", "CommandOnFailure=0"}));
        // The waits write their own keys only.
        store.saved.clear();
        QVERIFY(Settings::saveWaits(store, {{"make", "backup job.sh"}, 1, 100, 7, 1000000, 1440},
                                    nullptr));
        QCOMPARE(store.saved,
                 (QStringList{"WaitPrograms=make/backup job.sh", "QuietMinutes=1", "QuietCPU=100",
                              "QuietDisk=7", "QuietNetwork=1000000", "IdleMinutes=1440"}));
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

    void occurrences_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("next");
        const QByteArray berlin = "Europe/Berlin", sydney = "Australia/Sydney";
        const auto row = [](const char *name, QByteArray zone, QString rule, QString after,
                            QString next) { QTest::newRow(name) << zone << rule << after << next; };
        row("Friday's, then Monday's", berlin, "mon-fri 23:30", "2026-12-04T23:30:00+01:00",
            "2026-12-07T23:30:00+01:00");
        row("year end", berlin, "daily 0:15", "2026-12-31T23:59:00+01:00",
            "2027-01-01T00:15:00+01:00");
        row("skipped: at the jump", berlin, "sun 2:30", "2026-03-28T12:00:00+01:00",
            "2026-03-29T03:00:00+02:00");
        row("after the jump", berlin, "daily 2:30", "2026-03-29T03:00:00+02:00",
            "2026-03-30T02:30:00+02:00");
        row("repeated: the first", berlin, "daily 2:30", "2026-10-25T00:00:00+02:00",
            "2026-10-25T02:30:00+02:00");
        row("repeated: once", berlin, "daily 2:30", "2026-10-25T02:30:00+02:00",
            "2026-10-26T02:30:00+01:00");
        row("Sydney skipped from its start", sydney, "daily 2:00", "2026-10-04T01:00:00+10:00",
            "2026-10-04T03:00:00+11:00");
    }
    void occurrences()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, rule);
        QFETCH(QString, after);
        QFETCH(QString, next);
        QString error;
        const std::optional<ScheduleRule> parsed = ScheduleRules::parse(rule, &error);
        QVERIFY2(parsed, qPrintable(error));
        const QDateTime from =
            QDateTime::fromString(after, Qt::ISODate).toTimeZone(QTimeZone(zone));
        const QDateTime found = ScheduleRules::nextOccurrence(*parsed, from);
        QCOMPARE(found.toOffsetFromUtc(found.offsetFromUtc()).toString(Qt::ISODate), next);
        // None in between, from the other side too.
        QCOMPARE(ScheduleRules::lastOccurrence(*parsed, found), found);
        QVERIFY(ScheduleRules::lastOccurrence(*parsed, found.addMSecs(-1)) <= from);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("canonical"); // empty: refused
        QTest::addColumn<QString>("days");
        const auto row = [](const char *typed, const char *canonical, const char *days) {
            QTest::newRow(typed) << typed << canonical << days;
        };
        row("mon-fri 23:30", "mon-fri 23:30", "Monday to Friday");
        row("daily 7:00", "daily 07:00", "Every day");
        row(" SAT,Sun  10:00", "sat,sun 10:00", "Saturday and Sunday");
        row("mon,wed-fri 21:15", "mon,wed-fri 21:15", "Mon, Wed, Thu, Fri");
        row("fri-mon 1:00", "mon,fri-sun 01:00", "Friday to Monday");
        row("tuesday 12:00", "tue 12:00", "Every Tuesday");
        for (const char *bad : {"mon-fri 24:00", "mon-fri 7:5", "funday 7:00", "mo 7:00", "mon-fri",
                                "mon-tue-wed 7:00", "mon-fri 7:00 x", ""})
            row(bad, "", "");
    }
    void texts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, canonical);
        QFETCH(QString, days);
        QString error;
        const std::optional<ScheduleRule> rule = ScheduleRules::parse(typed, &error);
        QCOMPARE(rule.has_value(), !canonical.isEmpty());
        if (!rule) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QCOMPARE(ScheduleRules::format(*rule), canonical);
        QCOMPARE(ScheduleRules::daysText(rule->days), days);
        QCOMPARE(ScheduleRules::parse(canonical, &error), rule);
    }

    void storage_data()
    {
        QTest::addColumn<QString>("stored"); // "key=text", ';' between
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QStringList>("left"); // the keys once the first is removed
        QTest::newRow("nothing") << "" << QStringList() << QStringList();
        QTest::newRow("two, one record")
            << "Schedule1=mon-fri 23:30|1|0|on;Schedule1Settled=2026-12-07T22:30:00Z;"
               "Schedule2=sat,sun 10:00|5|1|off"
            << QStringList{"mon-fri 23:30|1|0|on|2026-12-07T22:30:00Z", "sat,sun 10:00|5|1|off|"}
            << QStringList{"Schedule2"};
        QTest::newRow("damaged left out")
            << "Schedule1=mon 25:00|1|0|on;Schedule2=daily 7:00|7|0|on;Schedule3=daily 7:00|1|0;"
               "Schedule4=daily 7:00|1|x|on;Schedule5=daily 7:00|1|0|on;Schedule5Settled=today"
            << QStringList{"daily 07:00|1|0|on|"}
            << QStringList{"Schedule1", "Schedule2", "Schedule3", "Schedule4"};
        // Waking is a fifth part, left out where it is off: older versions read the rest.
        QTest::newRow("waking") << "Schedule1=daily 8:00|1|0|on|sleep;Schedule2=daily 7:00|1|0|on;"
                                   "Schedule3=daily 9:00|3|0|off|wake"
                                << QStringList{"daily 07:00|1|0|on|", "daily 09:00|3|0|off|wake|"}
                                << QStringList{"Schedule1", "Schedule3"};
        QTest::newRow("past a gap") << "Schedule1=daily 7:00|1|0|on;Schedule3=daily 8:00|1|0|on"
                                    << QStringList{"daily 07:00|1|0|on|", "daily 08:00|1|0|on|"}
                                    << QStringList{"Schedule3"};
    }
    void storage()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, left);
        MemoryStore store;
        store.fill(stored);
        std::vector<StoredSchedule> schedules = ScheduleRules::load(store);
        QCOMPARE(flat(schedules), loaded);
        // Saved one shorter over the same keys: the one left out stays out.
        if (!schedules.empty())
            schedules.erase(schedules.begin());
        QString error;
        QVERIFY(ScheduleRules::save(store, schedules, &error));
        QCOMPARE(flat(ScheduleRules::load(store)), flat(schedules));
        QCOMPARE(store.values.keys(), left); // no empty values left behind
    }

    // Steps: "+s" awake, "zs" asleep, "js" the clock set on (the monotonic clock stands),
    // "cancel", "postpone", "restart" (loaded afresh from the store). The log: the controller
    // armed (with the runner's wake-ups since the previous arming) and requesting, and each
    // occurrence the runner says was missed.
    void runner_data()
    {
        for (const char *column : {"rules", "settled", "start", "steps", "log", "toolTip"})
            QTest::addColumn<QString>(column); // rules ';' between, steps ' ', log ", "
        const auto row = [](const char *name, QString rules, QString settled, QString start,
                            QString steps, QString log, QString toolTip) {
            QTest::newRow(name) << rules << settled << start << steps << log << toolTip;
        };
        const QString weekdays = "mon-fri 23:30|5|0|on", daily = "daily 23:30|5|0|on";
        const QString tuesday = "Next: Tuesday 23:30 \u2014 Lock screen";
        const QString mondayMissed = tuesday + "\nMissed: Monday 23:30";
        const QString monday = "2026-12-07T23:28:00+01:00", armed = "arm Mon 23:28:50 after 1";
        row("Friday, not the week end, Monday", weekdays, "", "2026-12-11T23:00:00+01:00",
            "+345600",
            "arm Fri 23:28:50 after 2, fire Fri 23:30:00, arm Mon 23:28:50 after 289, "
            "fire Mon 23:30:00",
            tuesday);
        row("off on Tuesday night", weekdays, "2026-12-07T22:30:00Z", "2026-12-09T08:00:00+01:00",
            "", "missed Tuesday 23:30",
            "Next: Wednesday 23:30 \u2014 Lock screen\nMissed: Tuesday 23:30");
        row("cancelled, restarted in the minute", daily, "", monday, "+60 cancel restart +120",
            armed, tuesday);
        row("asleep while far", daily, "", "2026-12-07T23:00:00+01:00", "+1500 z600 +1800",
            "missed Monday 23:30", mondayMissed);
        row("asleep in the last minute", daily, "", monday, "+60 z3600 +5",
            armed + ", missed Monday 23:30", mondayMissed);
        row("clock set on within the grace", daily, "", monday, "+119 j3 +5",
            armed + ", fire Mon 23:30:02", tuesday);
        row("two at once", daily + ";mon 23:30|3|0|on", "", monday, "+121",
            armed + ", fire Mon 23:30:00 sleep", tuesday);
        row("two at once, before", daily + ";mon 23:30|3|0|on", "", monday, "", "",
            "Next: Monday 23:30 \u2014 Sleep (instead of Lock screen, due at the same time)");
        row("record from the future", daily, "2099-01-01T00:00:00Z", monday, "+121",
            armed + ", fire Mon 23:30:00", tuesday);
        row("postponed, then another added", daily, "", monday, "+60 postpone add", armed,
            "Next: Monday 23:30 \u2014 Lock screen (given more time: Monday 23:40)");
        row("postponed, then another added, fired", daily, "", monday, "+60 postpone add +700",
            armed + ", fire Mon 23:40:00", tuesday);
        row("not answered", daily, "", monday, "mute +121 +86400",
            armed + ", fire Mon 23:30:00, arm Tue 23:28:50 after 97, fire Tue 23:30:00",
            "Next: Wednesday 23:30 \u2014 Lock screen");
        row("midnight on the dot", "daily 0:00|5|0|on", "", "2026-12-07T23:58:00+01:00", "+123",
            "arm Mon 23:58:50 after 1, fire Tue 00:00:00",
            "Next: Wednesday 00:00 \u2014 Lock screen");
        const QString sunday = "Next: Sunday %1 02:30 \u2014 Lock screen";
        row("skipped hour", "sun 2:30|5|0|on", "", "2026-03-29T01:00:00+01:00", "+3700",
            "arm Sun 01:58:50 after 4, fire Sun 03:00:00", sunday.arg("5 April"));
        row("repeated hour", "sun 2:30|5|0|on", "", "2026-10-25T02:00:00+02:00", "+7200",
            "arm Sun 02:28:50 after 2, fire Sun 02:30:00", sunday.arg("1 November"));
        row("postponed across the repeated hour", "sun 2:55|5|0|on", "",
            "2026-10-25T02:53:00+02:00", "+60 postpone +700",
            "arm Sun 02:53:50 after 1, fire Sun 02:05:00",
            "Next: Sunday 1 November 02:55 \u2014 Lock screen");
    }
    void runner()
    {
        QFETCH(QString, rules);
        QFETCH(QString, settled);
        QFETCH(QString, start);
        QFETCH(QString, steps);
        QFETCH(QString, log);
        QFETCH(QString, toolTip);
        MemoryStore store;
        for (int i = 0; i < rules.count(';') + 1; ++i) {
            store.values.insert(QStringLiteral("Schedule%1").arg(i + 1), rules.section(';', i, i));
            store.values.insert(QStringLiteral("Schedule%1Settled").arg(i + 1), settled);
        }
        ManualClock clock;
        clock.wall =
            QDateTime::fromString(start, Qt::ISODate).toTimeZone(QTimeZone("Europe/Berlin"));
        CountingClock counting(clock);
        Power power;
        std::unique_ptr<ArmingController> controller;
        std::unique_ptr<ScheduleRunner> runner;
        QStringList seen;
        QDateTime warnedAt;
        const auto begin = [&] {
            runner.reset();
            controller = std::make_unique<ArmingController>(clock, power);
            runner = std::make_unique<ScheduleRunner>(counting, *controller, &store);
            connect(controller.get(), &ArmingController::stateChanged, [&](auto state) {
                const QString at = clock.now().toString("ddd HH:mm:ss");
                if (state == ArmingController::State::Armed)
                    seen << QStringLiteral("arm %1 after %2")
                                .arg(at)
                                .arg(std::exchange(counting.wakes, 0));
                if (state != ArmingController::State::Requesting)
                    return;
                seen << "fire " + at;
                if (controller->order().action != Action::Lock)
                    seen.last() += u' ' + PowerTexts::actionName(controller->order().action);
                // Every action gets its full warning minute of real time.
                QVERIFY(warnedAt.isValid() && warnedAt.msecsTo(clock.now()) >= 59000);
            });
            connect(controller.get(), &ArmingController::warningChanged, [&] {
                if (controller->warning())
                    warnedAt = clock.now();
            });
            connect(runner.get(), &ScheduleRunner::changed, [&] {
                const QString missed = "missed " + ScheduleRules::occurrenceText(runner->missed());
                if (runner->missed().isValid() && !seen.contains(missed))
                    seen << missed;
            });
            runner->setSchedules(ScheduleRules::load(store));
        };
        begin();
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            const qint64 ms = step.mid(1).toLongLong() * 1000;
            if (step == "cancel")
                controller->stop();
            else if (step == "mute")
                power.muted = true;
            else if (step == "add") {
                std::vector<StoredSchedule> more = runner->schedules();
                more.push_back({*ScheduleRules::parse("sat 9:00", nullptr), {}, -1});
                runner->setSchedules(std::move(more));
            } else if (step == "postpone")
                controller->postpone(ArmingController::PostponeSeconds);
            else if (step == "restart")
                begin();
            else if (step[0] == '+')
                clock.advance(ms);
            else if (step[0] == 'z')
                clock.sleep(ms);
            else
                clock.wall = clock.wall.addMSecs(ms);
        }
        QCOMPARE(seen.join(", "), log);
        QCOMPARE(runner->toolTip(), toolTip);
    }
};

QTEST_GUILESS_MAIN(ScheduleRulesTest)
#include "tst_schedulerules.moc"
