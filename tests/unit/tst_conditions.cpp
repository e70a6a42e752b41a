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
    void start(qint64) override {}
    void stop() override {}
};

struct FakeWatcher final : ProcessWatcher
{
    Watch watch(const RunningProgram &program, QString *error) override
    {
        *error = program.label() + QStringLiteral(" has ended");
        watching << program.pid;
        return program.pid != 666 ? Watch::Watching : Watch::Ended;
    }
    void clear() override { watching.clear(); }
    QList<qint64> watching;
};

} // namespace

// The rules of the waits besides the clock, on a clock the test sets.
class ConditionsTest : public QObject
{
    Q_OBJECT

private slots:
    // Steps at their second after the start: a load sample "busy total eth0 [wlan0]" (counters
    // since boot) or "broken" (unreadable), "idle S" or "use" from the idle source, "restart"
    // (Postpone), "ended PID" from the process watcher, or nothing.
    // Quiet is under 10 % CPU and 10 KB/s for 15 s; the idle span is 60 s.
    void wait_data()
    {
        // quiet; idle: read at intervals; told: an idle source that tells changes; exits: the
        // end of firefox (1234) and thunderbird (20)
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("said"); // signal@second
        QTest::addColumn<QString>("progress");
        const auto row = [](auto name, auto kind, auto steps, auto said, auto progress) {
            QTest::newRow(name) << kind << steps << said << progress;
        };
        const char *quiet = "quiet for 0:15 of 0:15 — CPU 0 %, network 0 KB/s";
        const char *away = "nobody at the computer for 1:00 of 1:00";
        row("busy sample restarts", "quiet",
            "5 4 100 0, 10 54 200 0, 15 55 300 0, 20 55 400 0, 25 55 500 0", "met@25", quiet);
        row("CPU at the threshold is busy", "quiet", "5 10 100 0, 10 19 200 0", "",
            "quiet for 0:05 of 0:15 — CPU 9 %, network 0 KB/s");
        // 10 KB/s over 5 s is 50000 bytes.
        row("network at the threshold is busy", "quiet", "5 0 100 50000, 10 0 200 99999", "",
            "quiet for 0:05 of 0:15 — CPU 0 %, network 10 KB/s");
        row("reset counter counts what is new", "quiet",
            "5 0 100 4294967000, 10 0 200 300, 15 0 300 400, 20 0 400 500", "met@20", quiet);
        row("new interface counts all", "quiet", "5 0 100 0, 10 0 200 0 60000, 15 0 300 0 60000",
            "", "quiet for 0:05 of 0:15 — CPU 0 %, network 0 KB/s");
        row("CPU counters backwards are busy", "quiet", "5 0 100 0, 10 0 50 0, 15 0 150 0", "",
            "quiet for 0:05 of 0:15 — CPU 0 %, network 0 KB/s");
        row("postpone restarts the span", "quiet",
            "5 0 100 0, 10 0 200 0, 12 restart, 17 0 300 0, 22 0 400 0, 27 0 500 0", "met@27",
            quiet);
        row("a sampler that stops answering", "quiet", "5 0 100 0, 10 broken", "failed@10",
            "quiet for 0:05 of 0:15 — CPU 0 %, network 0 KB/s");
        row("no figures before a sample", "quiet", "", "", "quiet for 0:00 of 0:15");
        row("input restarts the span", "idle", "40 idle 40, 45 idle 2, 100 idle 57, 105 idle 62",
            "met@105", away);
        row("a second off is the same input", "idle", "0 idle 0, 30 idle 29.1, 60 idle 59.1",
            "met@60", away);
        row("away before arming", "idle", "0 idle 70", "met@0", away);
        row("postpone while away", "idle", "0 idle 60, 10 restart, 40 idle 90", "met@0",
            "nobody at the computer for 0:30 of 1:00");
        row("input after it held, once", "idle",
            "0 idle 60, 5 idle 1, 10 idle 0.5, 11 restart, 71 idle 61.5", "met@0 activity@5 met@71",
            away);
        row("the span's own timer", "told", "0 use, 10 idle 0, 69.999, 70", "met@70", away);
        row("in use stops the span", "told", "0 idle 0, 30 use, 60, 65 idle 5, 120", "met@120",
            away);
        row("in use after it held, once", "told", "0 idle 60, 3 use, 4 idle 0, 5 use, 6 idle 0, 70",
            "met@0 activity@3", away);
        row("nothing read yet", "told", "90", "", "nobody at the computer for 0:00 of 1:00");
        row("two running", "exits", "", "", "firefox (1234) and 1 other(s) still running");
        row("one ended, twice", "exits", "0 ended 1234, 0 ended 1234, 1 ended 99", "",
            "thunderbird (20) still running");
        row("both ended", "exits", "0 ended 1234, 1 ended 20", "met@1",
            "thunderbird (20) has ended");
    }
    void wait()
    {
        QFETCH(QString, kind);
        QFETCH(QString, steps);
        QFETCH(QString, said);
        QFETCH(QString, progress);
        ManualClock clock;
        const qint64 start = clock.mono;
        auto sampler = std::make_unique<FakeSampler>();
        auto source = std::make_unique<FakeIdleSource>();
        auto watcher = std::make_unique<FakeWatcher>();
        FakeSampler *load = sampler.get();
        FakeIdleSource *input = source.get();
        FakeWatcher *processes = watcher.get();
        input->changes = kind == "told";
        const RunningProgram firefox{1234, "firefox", "", 0, true};
        QStringList log; // outlives the wait that writes to it
        std::unique_ptr<Condition> wait;
        if (kind == "quiet")
            wait = std::make_unique<QuietCondition>(QuietThresholds{10, 10, 15000},
                                                    std::move(sampler), clock);
        else if (kind == "exits")
            wait = std::make_unique<ProgramEndCondition>(
                QList<RunningProgram>{firefox, {20, "thunderbird", "", 0, true}, firefox},
                std::move(watcher));
        else
            wait = std::make_unique<IdleCondition>(60000, std::move(source), clock);
        const auto say = [&](const char *what) {
            log << QStringLiteral("%1@%2").arg(what).arg((clock.mono - start) / 1000.0);
        };
        connect(wait.get(), &Condition::met, this, [&] { say("met"); });
        connect(wait.get(), &Condition::activity, this, [&] { say("activity"); });
        connect(wait.get(), &Condition::failed, this, [&] { say("failed"); });
        QVERIFY(wait->start(nullptr));
        const auto ms = [](const QString &seconds) { return qRound64(seconds.toDouble() * 1000); };
        for (const QString &step : steps.split(", ", Qt::SkipEmptyParts)) {
            const QStringList n = step.split(' ');
            if (n.size() >= 4) // read when its alarm goes off
                load->sample = {
                    n[1].toULongLong(), n[2].toULongLong(), {{"eth0", n[3].toULongLong()}}};
            load->readable = n.value(1) != "broken";
            if (n.size() == 5)
                load->sample.networkBytes["wlan0"] = n[4].toULongLong();
            clock.advance(start + ms(n[0]) - clock.mono);
            if (n.value(1) == "restart")
                wait->restart();
            else if (n.value(1) == "idle")
                emit input->idleFor(ms(n[2]));
            else if (n.value(1) == "use")
                emit input->inUse();
            else if (n.value(1) == "ended")
                emit processes->ended(n[2].toLongLong());
        }
        QCOMPARE(log.join(' '), said);
        QCOMPARE(wait->progress(), progress);
    }

    // Nothing to wait for is refused at once with the reason, never met at once.
    void refusedAtStart()
    {
        ManualClock clock;
        auto sampler = std::make_unique<FakeSampler>();
        sampler->readable = false;
        QString error;
        QVERIFY(!QuietCondition({}, std::move(sampler), clock).start(&error));
        QCOMPARE(error, "no counters");
        auto watcher = std::make_unique<FakeWatcher>();
        FakeWatcher *watched = watcher.get();
        ProgramEndCondition gone({{1, "init", "", 0, true}, {666, "make", "", 0, true}},
                                 std::move(watcher));
        QVERIFY(!gone.start(&error));
        QCOMPARE(error, "make (666) has ended");
        QVERIFY(watched->watching.isEmpty());
        QVERIFY(!ProgramEndCondition({}, std::make_unique<FakeWatcher>()).start(&error));
    }

    void selectPrograms_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("found"); // the PIDs, or why there are none
        QTest::newRow("PID") << " 1234"
                             << "1234";
        QTest::newRow("every one of a name") << "firefox "
                                             << "1234 1300";
        QTest::newRow(".exe left out") << "Setup"
                                       << "7";
        QTest::newRow("PID not running") << "99"
                                         << "No running program has the PID 99.";
        QTest::newRow("name not running") << "fire"
                                          << "No program called “fire” is running.";
    }
    void selectPrograms()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, found);
        const QList<RunningProgram> running{{1234, "firefox", "", 0, true},
                                            {7, "setup.EXE", "", 0, false},
                                            {1300, "firefox", "", 0, true},
                                            {1235, "1234", "", 0, true}};
        QString reason;
        QStringList pids;
        for (const RunningProgram &p :
             ::selectPrograms(running, wanted, Qt::CaseInsensitive, &reason))
            pids << QString::number(p.pid);
        QCOMPARE(pids.join(' ') + reason, found);
    }
};

QTEST_GUILESS_MAIN(ConditionsTest)
#include "tst_conditions.moc"
