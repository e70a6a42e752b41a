#include "core/IdleCondition.h"
#include "core/ProgramEndCondition.h"
#include "core/QuietCondition.h"

#include "../ManualClock.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Twelve CPUs, one disk, one or two interfaces; load() adds an interval's worth of use.
struct FakeSampler final : LoadSampler
{
    FakeSampler() { sample.cpus.resize(12); }
    bool read(LoadSample *out, QString *error) override
    {
        *out = sample;
        *error = QStringLiteral("no counters");
        return readable;
    }
    // Percent of CPU 0, percent of the others, disk and network KB/s over `ms`.
    void load(qint64 ms, const QStringList &n)
    {
        for (qsizetype i = 0; i < sample.cpus.size(); ++i) {
            sample.cpus[i].total += quint64(ms);
            sample.cpus[i].busy += quint64(ms * n[i == 0 ? 0 : 1].toInt() / 100);
        }
        sample.diskBytes["sda"] += quint64(ms * n[2].toInt());
        sample.networkBytes["eth0"] += quint64(ms * n[3].toInt());
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
        *error = program.label() + QStringLiteral(" is gone");
        watching << program.pid;
        return program.pid == 666 ? Watch::Ended : Watch::Watching;
    }
    void clear() override { watching.clear(); }
    QList<qint64> watching;
};

RunningProgram program(qint64 pid, const char *name)
{
    return {pid, QString::fromLatin1(name), {}, 0, true, {}};
}

} // namespace

// The rules of the waits besides the clock, on a clock the test sets.
class ConditionsTest : public QObject
{
    Q_OBJECT

private slots:
    // Steps at their second after the start: "load CPU0 OTHERS DISK NET" (the interval's use:
    // percents of CPU 0 and of each other CPU, KB/s), "netreset", "cpuback", "broken"
    // (unreadable), "idle S" or "use" from the idle source, "ended
    // PID" from the process watcher, "runs PID…" (what a lookup by name finds now), or
    // nothing. Quiet is under 25 % CPU, 100 KB/s disk and 10 KB/s network for 15 s; the idle
    // span is 60 s; "exits" waits for firefox (1234) and thunderbird (20), "loop" for every
    // ffmpeg.
    void wait_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("said"); // signal@second
        QTest::addColumn<QString>("progress");
        const auto row = [](auto name, auto kind, auto steps, auto said, auto progress) {
            QTest::newRow(name) << kind << steps << said << progress;
        };
        const QString quiet = "quiet for 0:15 of 0:15 — CPU 0 %, disk 0 KB/s, network 0 KB/s";
        const QString idle = "load 0 0 0 0";
        const auto loads = [&](std::initializer_list<int> seconds, const QString &what) {
            QStringList steps;
            for (int s : seconds)
                steps << QStringLiteral("%1 %2").arg(s).arg(what);
            return steps.join(", ");
        };
        const char *away = "nobody at the computer for 1:00 of 1:00";
        row("one busy CPU of twelve is busy", "quiet", loads({5, 10, 15, 20}, "load 100 0 0 0"), "",
            "quiet for 0:00 of 0:15 — CPU 100 %, disk 0 KB/s, network 0 KB/s");
        row("CPU at the threshold is busy", "quiet", "5 load 25 0 0 0, 10 load 24 24 0 0", "",
            "quiet for 0:05 of 0:15 — CPU 24 %, disk 0 KB/s, network 0 KB/s");
        row("disk at the threshold is busy", "quiet", "5 load 0 0 100 0, 10 load 0 0 99 0", "",
            "quiet for 0:05 of 0:15 — CPU 0 %, disk 99 KB/s, network 0 KB/s");
        row("network at the threshold is busy", "quiet", "5 load 0 0 0 10, 10 load 0 0 0 9", "",
            "quiet for 0:05 of 0:15 — CPU 0 %, disk 0 KB/s, network 9 KB/s");
        row("reset counter counts what is new", "quiet",
            "5 load 0 0 0 0, 10 netreset, " + loads({15, 20, 25}, idle), "met@25", quiet);
        row("CPU counters backwards are busy", "quiet", "5 load 0 0 0 0, 10 cpuback, 15 " + idle,
            "", "quiet for 0:05 of 0:15 — CPU 0 %, disk 0 KB/s, network 0 KB/s");
        row("busy again in the warning minute", "quiet",
            loads({5, 10, 15}, idle) + ", 20 load 0 0 500 0, " + loads({25, 30, 35}, idle),
            "met@15 lapsed@20 met@35", quiet);
        row("a sampler that stops answering", "quiet", "5 " + idle + ", 10 broken", "failed@10",
            "quiet for 0:05 of 0:15 — CPU 0 %, disk 0 KB/s, network 0 KB/s");
        row("no figures before a sample", "quiet", "", "", "quiet for 0:00 of 0:15");
        row("a second off is the same input", "idle", "0 idle 0, 30 idle 29.1, 60 idle 59.1",
            "met@60", away);
        row("input in the last moment lapses at once", "idle", "0 idle 60, 59.3 use, 119.3 idle 60",
            "met@0 lapsed@59.3 met@119.3", away);
        row("input between two reports lapses", "idle", "0 idle 60, 5 idle 1, 64",
            "met@0 lapsed@5 met@64", away);
        row("the span's own timer", "idle", "0 use, 10 idle 0, 69.999, 70", "met@70", away);
        row("nothing told yet", "idle", "90", "", "nobody at the computer for 0:00 of 1:00");
        row("two running", "exits", "", "", "firefox (1234) and 1 other(s) still running");
        row("one ended, twice", "exits", "0 ended 1234, 0 ended 1234, 1 ended 99", "",
            "thunderbird (20) still running");
        row("both ended", "exits", "0 ended 1234, 1 ended 20", "met@1",
            "thunderbird (20) has ended");
        // A loop's next job keeps it waiting: met at the settle after the last, not before.
        row("the last of a name ends after the settle", "loop",
            "0 runs, 10 ended 1234, 11 runs 1300, 30 ended 1300, 30 runs, 32", "met@32",
            "ffmpeg (1300) has ended");
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
        QList<RunningProgram> named{program(1234, "ffmpeg")};
        QStringList log; // outlives the wait that writes to it
        std::unique_ptr<Condition> wait;
        if (kind == "quiet")
            wait = std::make_unique<QuietCondition>(QuietThresholds{25, 100, 10, 15000},
                                                    std::move(sampler), clock);
        else if (kind == "exits")
            wait = std::make_unique<ProgramEndCondition>(
                QList<RunningProgram>{program(1234, "firefox"), program(20, "thunderbird"),
                                      program(1234, "firefox")},
                QStringList(), nullptr, std::move(watcher), clock);
        else if (kind == "loop")
            wait = std::make_unique<ProgramEndCondition>(
                QList<RunningProgram>(), QStringList{"ffmpeg"},
                [&](const QStringList &) { return named; }, std::move(watcher), clock);
        else
            wait = std::make_unique<IdleCondition>(60000, std::move(source), clock);
        const auto say = [&](const char *what) {
            log << QStringLiteral("%1@%2").arg(what).arg((clock.mono - start) / 1000.0);
        };
        connect(wait.get(), &Condition::met, this, [&] { say("met"); });
        connect(wait.get(), &Condition::lapsed, this, [&] { say("lapsed"); });
        connect(wait.get(), &Condition::failed, this, [&] { say("failed"); });
        QVERIFY(wait->start(nullptr));
        const auto ms = [](const QString &seconds) { return qRound64(seconds.toDouble() * 1000); };
        qint64 loadedTo = start;
        for (const QString &step : steps.split(", ", Qt::SkipEmptyParts)) {
            const QStringList n = step.split(' ');
            const qint64 at = start + ms(n[0]);
            const QString what = n.value(1);
            if (what == "load") // read when the sampler's alarm goes off at `at`
                load->load(at - loadedTo, n.mid(2));
            else if (what == "netreset")
                load->sample.networkBytes["eth0"] = 300;
            else if (what == "cpuback")
                load->sample.cpus[3].total /= 2;
            else if (what == "runs") {
                named.clear();
                for (const QString &pid : n.mid(2))
                    named << program(pid.toLongLong(), "ffmpeg");
            }
            load->readable = what != "broken";
            loadedTo = at;
            clock.advance(at - clock.mono);
            if (what == "idle")
                emit input->idleFor(ms(n[2]));
            else if (what == "use")
                emit input->inUse();
            else if (what == "ended")
                emit processes->ended(n[2].toLongLong());
        }
        QCOMPARE(log.join(' '), said);
        QCOMPARE(wait->progress(), progress);
    }

    // Nothing to wait for is refused at once with the reason, never met at once; a program
    // chosen by itself that has ended is the user's to hear about, and nothing stays watched.
    // (Unreadable counters: the window test's "counters unreadable".)
    void refusedAtStart()
    {
        ManualClock clock;
        QString error;
        auto watcher = std::make_unique<FakeWatcher>();
        FakeWatcher *watched = watcher.get();
        ProgramEndCondition gone({program(1, "init"), program(666, "make")}, {}, nullptr,
                                 std::move(watcher), clock);
        QVERIFY(!gone.start(&error));
        QCOMPARE(error, "make (666) is gone");
        QVERIFY(watched->watching.isEmpty());
        QVERIFY(!ProgramEndCondition({}, {}, nullptr, std::make_unique<FakeWatcher>(), clock)
                     .start(&error));
    }

    void selectPrograms_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("found"); // the PIDs, or why there are none
        const auto row = [](const char *name, const char *wanted, const char *found) {
            QTest::newRow(name) << QString(wanted) << QString(found);
        };
        row("PID, whoever owns it", " 7", "7");
        row("every one of the user's of a name", "firefox ", "1234 1300");
        row(".exe left out", "Setup", "8");
        row("a script by its whole name", "nightly-backup-job.sh", "40");
        row("another user's program is not the user's", "python3", "40");
        row("PID not running", "99", "No running program has the PID 99.");
        row("name not running", "fire", "No program called “fire” is running.");
    }
    void selectPrograms()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, found);
        RunningProgram rootPython = program(7, "python3");
        rootPython.ownedByUser = false;
        RunningProgram script = program(40, "nightly-backup-job.sh");
        script.aliases = QStringList{"bash", "python3"};
        const QList<RunningProgram> running{
            program(1234, "firefox"), rootPython, program(8, "setup.EXE"),
            program(1300, "firefox"), script,     program(1235, "1234")};
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
