#include "core/IdleCondition.h"
#include "core/ProgramEndCondition.h"
#include "core/QuietCondition.h"

#include "../ManualClock.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct FakeSampler final : LoadSampler
{
    bool read(LoadSample *out, QString *error) override
    {
        *out = sample;
        *error = QStringLiteral("no counters");
        return readable;
    }
    LoadSample sample;
    bool readable = true;
};

struct FakeIdleSource final : IdleSource
{
    explicit FakeIdleSource(bool changes) : changes(changes) {}
    void start() override {}
    void stop() override {}
    bool tellsChanges() const override { return changes; }
    bool changes;
};

struct FakeWatcher final : ProcessWatcher
{
    bool watch(const RunningProgram &program, QString *error) override
    {
        *error = program.label() + QStringLiteral(" has ended");
        return program.pid != 666;
    }
    void clear() override { ++cleared; }
    int cleared = 0;
};

// "met@25000 activity@30000": what a condition said, at which time after it started.
void record(Condition &condition, const ManualClock &clock, QStringList *log)
{
    const qint64 start = clock.mono;
    QObject::connect(&condition, &Condition::met,
                     [=, &clock] { *log << QStringLiteral("met@%1").arg(clock.mono - start); });
    QObject::connect(&condition, &Condition::activity, [=, &clock] {
        *log << QStringLiteral("activity@%1").arg(clock.mono - start);
    });
}

} // namespace

// The rules of the waits besides the clock, on a clock the test sets.
class ConditionsTest : public QObject
{
    Q_OBJECT

private slots:
    // Each step: "ms busy total eth0 [wlan0]" (cumulative counters), or "ms restart".
    void quiet_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("progress"); // after the last step
        QTest::newRow("quiet for the span")
            << QStringList{"5000 4 100 0", "10000 8 200 10", "15000 9 300 20", "20000 9 400 30"}
            << "met@15000"
            << "quiet for 0:15 of 0:15 — CPU 0 %, network 0 KB/s";
        QTest::newRow("busy sample restarts")
            << QStringList{"5000 4 100 0", "10000 54 200 0", "15000 55 300 0", "20000 55 400 0",
                           "25000 55 500 0"}
            << "met@25000"
            << "quiet for 0:15 of 0:15 — CPU 0 %, network 0 KB/s";
        QTest::newRow("CPU at the threshold is busy")
            << QStringList{"5000 9 100 0", "10000 19 200 0", "15000 28 300 0", "20000 37 400 0"}
            << ""
            << "quiet for 0:10 of 0:15 — CPU 9 %, network 0 KB/s";
        // 10 KB/s over 5 s is 50000 bytes.
        QTest::newRow("network at the threshold is busy")
            << QStringList{"5000 0 100 49999", "10000 0 200 99999", "15000 0 300 149999",
                           "20000 0 400 200000"}
            << ""
            << "quiet for 0:00 of 0:15 — CPU 0 %, network 10 KB/s";
        QTest::newRow("reset counter counts what is new")
            << QStringList{"5000 0 100 4294967000", "10000 0 200 300", "15000 0 300 400",
                           "20000 0 400 500"}
            << "met@20000"
            << "quiet for 0:15 of 0:15 — CPU 0 %, network 0 KB/s";
        QTest::newRow("new interface counts all")
            << QStringList{"5000 0 100 0", "10000 0 200 0 60000", "15000 0 300 0 60000"} << ""
            << "quiet for 0:05 of 0:15 — CPU 0 %, network 0 KB/s";
        QTest::newRow("CPU counters backwards restart")
            << QStringList{"5000 0 100 0", "10000 0 50 0", "15000 0 150 0", "20000 0 250 0"} << ""
            << "quiet for 0:10 of 0:15 — CPU 0 %, network 0 KB/s";
        QTest::newRow("postpone restarts the span")
            << QStringList{"5000 0 100 0", "12000 restart", "17000 0 200 0", "22000 0 300 0",
                           "27000 0 400 0"}
            << "met@27000"
            << "quiet for 0:15 of 0:15 — CPU 0 %, network 0 KB/s";
        QTest::newRow("no figures before a sample") << QStringList{} << ""
                                                    << "quiet for 0:00 of 0:15";
    }
    void quiet()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, events);
        QFETCH(QString, progress);
        ManualClock clock;
        const qint64 start = clock.mono;
        auto owned = std::make_unique<FakeSampler>();
        FakeSampler *sampler = owned.get();
        QuietCondition quiet({10, 10, 15000}, std::move(owned), clock);
        QStringList log;
        record(quiet, clock, &log);
        QVERIFY(quiet.start(nullptr));
        for (const QString &step : steps) {
            const QStringList n = step.split(' ');
            if (n[1] == "restart") {
                clock.advance(start + n[0].toLongLong() - clock.mono);
                quiet.restart();
                continue;
            }
            sampler->sample = {
                n[1].toULongLong(), n[2].toULongLong(), {{"eth0", n[3].toULongLong()}}};
            if (n.size() > 4)
                sampler->sample.networkBytes["wlan0"] = n[4].toULongLong();
            clock.advance(start + n[0].toLongLong() -
                          clock.mono); // the sample is read when its alarm goes off
        }
        QCOMPARE(log.join(' '), events);
        QCOMPARE(quiet.progress(), progress);
    }

    void quietSamplerFails()
    {
        ManualClock clock;
        auto owned = std::make_unique<FakeSampler>();
        FakeSampler *sampler = owned.get();
        QuietCondition quiet({}, std::move(owned), clock);
        QSignalSpy failed(&quiet, &Condition::failed);
        QString error;
        sampler->readable = false;
        QVERIFY(!quiet.start(&error));
        QCOMPARE(error, "no counters");
        sampler->readable = true;
        QVERIFY(quiet.start(&error));
        sampler->readable = false;
        clock.advance(QuietCondition::SampleMs);
        QCOMPARE(failed, QList<QVariantList>{{QString("no counters")}});
    }

    // Each step: "ms idle N" (idle for N ms), "ms use", "ms restart", "ms" (time passes).
    // The span is 60 s.
    void idle_data()
    {
        QTest::addColumn<bool>("tellsChanges");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("progress");
        QTest::newRow("read at intervals")
            << false
            << QStringList{"0 idle 0", "30000 idle 30000", "59000 idle 59000", "60000 idle 60000"}
            << "met@60000"
            << "nobody at the computer for 1:00 of 1:00";
        QTest::newRow("input restarts the span")
            << false
            << QStringList{"40000 idle 40000", "45000 idle 2000", "100000 idle 57000",
                           "105000 idle 62000"}
            << "met@105000"
            << "nobody at the computer for 1:00 of 1:00";
        QTest::newRow("a second off is the same input")
            << false << QStringList{"0 idle 0", "30000 idle 29100", "60000 idle 60900"}
            << "met@60000"
            << "nobody at the computer for 1:00 of 1:00";
        QTest::newRow("away before arming") << false << QStringList{"0 idle 70000"} << "met@0"
                                            << "nobody at the computer for 1:00 of 1:00";
        QTest::newRow("input after it held, once")
            << false
            << QStringList{"0 idle 60000", "5000 idle 1000", "10000 idle 500", "11000 restart",
                           "71000 idle 61500"}
            << "met@0 activity@5000 met@71000"
            << "nobody at the computer for 1:00 of 1:00";
        QTest::newRow("postpone without input")
            << false
            << QStringList{"0 idle 60000", "10000 restart", "40000 idle 100000",
                           "70000 idle 130000"}
            << "met@0 met@70000"
            << "nobody at the computer for 1:00 of 1:00";
        QTest::newRow("told changes: the span's timer")
            << true << QStringList{"0 use", "10000 idle 0", "69999", "70000"} << "met@70000"
            << "nobody at the computer for 1:00 of 1:00";
        QTest::newRow("told changes: in use stops the span")
            << true << QStringList{"0 idle 0", "30000 use", "60000", "65000 idle 5000", "120000"}
            << "met@120000"
            << "nobody at the computer for 1:00 of 1:00";
        QTest::newRow("in use after it held")
            << true << QStringList{"0 idle 60000", "3000 use", "4000 idle 0", "5000 use"}
            << "met@0 activity@3000"
            << "nobody at the computer for 0:00 of 1:00";
        QTest::newRow("nothing read yet") << true << QStringList{"90000"} << ""
                                          << "nobody at the computer for 0:00 of 1:00";
    }
    void idle()
    {
        QFETCH(bool, tellsChanges);
        QFETCH(QStringList, steps);
        QFETCH(QString, events);
        QFETCH(QString, progress);
        ManualClock clock;
        const qint64 start = clock.mono;
        auto owned = std::make_unique<FakeIdleSource>(tellsChanges);
        FakeIdleSource *source = owned.get();
        IdleCondition idle(60000, std::move(owned), clock);
        QStringList log;
        record(idle, clock, &log);
        QVERIFY(idle.start(nullptr));
        for (const QString &step : steps) {
            const QStringList n = step.split(' ');
            clock.advance(start + n[0].toLongLong() - clock.mono);
            if (n.value(1) == "idle")
                emit source->idleFor(n[2].toLongLong());
            else if (n.value(1) == "use")
                emit source->inUse();
            else if (n.value(1) == "restart")
                idle.restart();
        }
        QCOMPARE(log.join(' '), events);
        QCOMPARE(idle.progress(), progress);
    }

    void programEnd()
    {
        const RunningProgram firefox{1234, "firefox", "", 0, true},
            mail{20, "thunderbird", "", 0, true};
        auto owned = std::make_unique<FakeWatcher>();
        FakeWatcher *watcher = owned.get();
        ProgramEndCondition wait({firefox, mail, firefox}, std::move(owned));
        QSignalSpy met(&wait, &Condition::met);
        QVERIFY(wait.start(nullptr));
        QCOMPARE(wait.progress(), "firefox (1234) and 1 other(s) still running");
        emit watcher->ended(1234);
        emit watcher->ended(1234);
        emit watcher->ended(99);
        QCOMPARE(wait.progress(), "thunderbird (20) still running");
        QCOMPARE(met.size(), 0);
        emit watcher->ended(20);
        QCOMPARE(met.size(), 1);
        QCOMPARE(wait.progress(), "thunderbird (20) has ended");

        // One already gone refuses the whole wait, and nothing stays watched.
        ProgramEndCondition gone({firefox, {666, "make", "", 0, true}},
                                 std::make_unique<FakeWatcher>());
        QString error;
        QVERIFY(!gone.start(&error));
        QCOMPARE(error, "make (666) has ended");
        QVERIFY(!ProgramEndCondition({}, std::make_unique<FakeWatcher>()).start(&error));
        QVERIFY(watcher->cleared > 0);
    }

    void selectPrograms_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QList<qint64>>("pids");
        QTest::addColumn<QString>("error");
        QTest::newRow("PID") << " 1234" << QList<qint64>{1234} << "";
        QTest::newRow("every one of a name") << "firefox" << QList<qint64>{1234, 1300} << "";
        QTest::newRow(".exe left out") << "Setup" << QList<qint64>{7} << "";
        QTest::newRow("PID not running")
            << "99" << QList<qint64>{} << "No running program has the PID 99.";
        QTest::newRow("name not running")
            << "fire" << QList<qint64>{} << "No program called “fire” is running.";
    }
    void selectPrograms()
    {
        QFETCH(QString, wanted);
        QFETCH(QList<qint64>, pids);
        QFETCH(QString, error);
        const QList<RunningProgram> running{{1234, "firefox", "", 0, true},
                                            {7, "setup.EXE", "", 0, false},
                                            {1300, "firefox", "", 0, true},
                                            {1235, "1234", "", 0, true}};
        QString reason;
        QList<qint64> found;
        for (const RunningProgram &p :
             ::selectPrograms(running, wanted, Qt::CaseInsensitive, &reason))
            found << p.pid;
        QCOMPARE(found, pids);
        QCOMPARE(reason, error);
    }
};

QTEST_GUILESS_MAIN(ConditionsTest)
#include "tst_conditions.moc"
