#include "../ManualClock.h"
#include "../MemoryStore.h"
#include "core/ArmedTime.h"
#include "core/ArmingController.h"
#include "core/ArmingService.h"
#include "core/CommandLine.h"
#include "core/Condition.h"
#include "core/IdleCondition.h"
#include "core/Notifier.h"
#include "core/QuietCondition.h"
#include "core/ScheduleRunner.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

namespace {

// Holds each request and each notification until the test answers it.
struct Fakes final : PowerRequester, Notifier
{
    void prepare() override { ++prepared; }
    void request(Action, bool force, Done done) override
    {
        ++requests;
        forced = force;
        pending = std::move(done);
    }
    void show(const QString &text, const QString &postpone, std::function<void(bool)> done) override
    {
        shown << text;
        captions << postpone;
        shownDone = std::move(done);
        if (answerAtOnce)
            shownDone(false);
    }
    void close() override { ++closed; }

    int prepared = 0, closed = 0, requests = 0;
    bool forced = false;
    Done pending;
    QStringList shown, captions;
    std::function<void(bool)> shownDone;
    bool answerAtOnce = false; // a notifier that cannot show anything says so at once
};

// Tells the idleness so far as soon as it is started, as some platforms can.
struct EagerIdleSource final : IdleSource
{
    void start(qint64) override { emit idleFor(10 * 60 * 1000); }
    void stop() override {}
};

// Counters that stop being readable when the test says so.
struct Sampler final : LoadSampler
{
    bool read(LoadSample *sample, QString *error) override
    {
        sample->cpus = {{0, quint64(++reads) * 1000}};
        *error = QStringLiteral("counters gone");
        return readable;
    }
    bool readable = true;
    int reads = 0;
};

// Holds when the test says so.
struct FakeCondition final : Condition
{
    QString progress() const override { return QStringLiteral("make (7) still running"); }
    void hold(bool holds) { setHolds(holds, QStringLiteral("Busy again.")); }
    bool begin(QString *error) override
    {
        *error = QStringLiteral("cannot watch");
        return startable;
    }
    bool startable = true;
    void end() override {}
};

// Logs each request (with the real seconds since `began` where it has a clock) and takes it;
// hibernation is turned off.
struct Recorder final : PowerRequester
{
    void probe(Probed probed) override
    {
        Capabilities can{};
        can[std::size_t(Action::Hibernate)] = {false, "Hibernation is turned off"};
        probed(can);
    }
    void request(Action action, bool, Done done) override
    {
        *seen << "request " + PowerTexts::actionName(action) +
                     (clock ? QStringLiteral(" +%1 s").arg(began.secsTo(clock->now())) : "");
        done({true, {}, Refusal::Other, {}, false});
    }
    QStringList *seen = nullptr;
    const Clock *clock = nullptr;
    QDateTime began;
};

} // namespace

// Idle -> Armed -> Requesting -> accepted or refused, on a clock the test moves.
class ArmingTest : public QObject
{
    Q_OBJECT
    ManualClock m_clock;

private slots:
    // Nothing can be stopped, postponed or re-armed once the system has been asked; only
    // the answer of that request moves it on. (An action the system cannot do is not armed,
    // and a refusal leaves it idle with the reason said: the window test's "hibernate
    // impossible" and "refused".)
    void requestInFlightCannotBeStopped_data()
    {
        QTest::addColumn<Action>("action");
        QTest::newRow("power off accepted: the program ends") << Action::PowerOff;
        QTest::newRow("sleep carried out: idle again") << Action::Sleep;
    }
    void requestInFlightCannotBeStopped()
    {
        QFETCH(Action, action);
        Fakes fakes;
        ArmingService service({&m_clock, &fakes, &fakes, nullptr, nullptr, nullptr});
        ArmingController &arming = service.hand();
        QSignalSpy accepted(&arming, &ArmingController::accepted);
        QSignalSpy carriedOut(&arming, &ArmingController::carriedOut);
        const ArmOrder order{action, true, TimeMode::Countdown, {"0", "0", "2"}, {}};
        QVERIFY(arming.arm(order) && fakes.prepared == 1);
        m_clock.advance(3000);
        QCOMPARE(arming.state(), ArmingController::State::Requesting);
        QVERIFY(fakes.pending && fakes.forced && fakes.closed > 0);
        QVERIFY(!arming.stop() && !arming.arm(order));
        emit fakes.cancelRequested();
        emit fakes.postponeRequested();
        QCOMPARE(arming.state(), ArmingController::State::Requesting);
        fakes.pending({true, QString(), Refusal::Other, QString()});
        const bool ends = endsSession(action);
        QCOMPARE(accepted.size(), ends ? 1 : 0);
        QCOMPARE(carriedOut.size(), ends ? 0 : 1);
        QCOMPARE(arming.state(),
                 ends ? ArmingController::State::Requesting : ArmingController::State::Idle);
        // Waking from the sleep repeats nothing: nothing is armed any more.
        m_clock.advance(60 * 60 * 1000);
        QCOMPARE(fakes.requests, 1);
    }

    // A wait that cannot start leaves what was armed; one that starts replaces it, and a
    // countdown armed while waiting drops the wait for good. A wait that held and was refused
    // leaves nothing behind: a countdown armed next shows its steps in the fields again.
    void waitsReplaceOnlyOnceStarted()
    {
        Fakes fakes;
        ArmingService service({&m_clock, &fakes, &fakes, nullptr, nullptr, nullptr});
        ArmingController &arming = service.hand();
        const ArmOrder countdown{Action::PowerOff, false, TimeMode::Countdown, {"0", "5", "0"}, {}};
        QVERIFY(arming.arm(countdown));
        auto *refused = new FakeCondition;
        refused->startable = false;
        QString why;
        QVERIFY(!arming.armWhen(Action::LogOff, false, refused, &why));
        QCOMPARE(why, "cannot watch");
        QCOMPARE(arming.state(), ArmingController::State::Armed);
        QCOMPARE(arming.armedTime().secondsUntilDue(), 301);
        auto *wait = new FakeCondition;
        QVERIFY(arming.armWhen(Action::LogOff, false, wait, &why));
        QCOMPARE(arming.state(), ArmingController::State::Waiting);
        QVERIFY(!arming.armedTime().armed());
        QVERIFY(arming.arm(countdown));
        wait->hold(true); // a wait given up says nothing any more
        QCOMPARE(arming.state(), ArmingController::State::Armed);
        QCOMPARE(arming.order().action, Action::PowerOff);
        arming.setWarningLead(0);
        auto *held = new FakeCondition;
        QVERIFY(arming.armWhen(Action::LogOff, false, held, &why));
        QCOMPARE(arming.toolTip(), QStringLiteral("Orvanta \u2014 make (7) still running"));
        held->hold(true);
        QTest::ignoreMessage(QtWarningMsg, "log off was refused: no");
        fakes.pending({false, QStringLiteral("no"), Refusal::Other, QString()});
        QVERIFY(!arming.condition());
        QSignalSpy written(&arming, &ArmingController::fieldWritten);
        QVERIFY(arming.arm({Action::LogOff, false, TimeMode::Countdown, {"0", "0", "2"}, {}}));
        m_clock.advance(1000);
        QCOMPARE(written.size(), 1);
    }

    // A real wait's warning minute. A user away since before the idle wait was armed gets it
    // at once, from a source that told the idleness inside start(); input in that minute
    // withdraws the warning and the wait goes on. Counters that become unreadable in a quiet
    // wait's minute given more time: the wait ends with the reason, nothing is left
    // half-armed.
    void waitsInTheirWarningMinute()
    {
        Fakes fakes;
        ArmingService service({&m_clock, &fakes, &fakes, nullptr, nullptr, nullptr});
        ArmingController &arming = service.hand();
        auto source = std::make_unique<EagerIdleSource>();
        EagerIdleSource *input = source.get();
        QString why;
        QVERIFY(arming.armWhen(Action::PowerOff, false,
                               new IdleCondition(5 * 60 * 1000, std::move(source), m_clock), &why));
        QCOMPARE(arming.state(), ArmingController::State::Armed);
        QCOMPARE(fakes.shown, QStringList{"The computer will be turned off in 60 second(s)"});
        QCOMPARE(fakes.captions, QStringList{"+10 minutes"});
        QSignalSpy withdrawn(&arming, &ArmingController::warningWithdrawn);
        m_clock.advance(59300);
        const int closed = fakes.closed;
        emit input->inUse();
        QCOMPARE(arming.state(), ArmingController::State::Waiting);
        QVERIFY(fakes.closed > closed);
        QCOMPARE(withdrawn.size(), 1);
        m_clock.advance(5000);
        QVERIFY(!fakes.pending);

        auto sampler = std::make_unique<Sampler>();
        Sampler *counters = sampler.get();
        QVERIFY(arming.armWhen(Action::PowerOff, false,
                               new QuietCondition({25, 100, 10, 5000}, std::move(sampler), m_clock),
                               &why));
        m_clock.advance(QuietCondition::SampleMs);
        QCOMPARE(arming.state(), ArmingController::State::Armed);
        QSignalSpy failed(&arming, &ArmingController::conditionFailed);
        arming.postpone(ArmingController::PostponeSeconds); // the job is done: 10 minutes more
        QCOMPARE(arming.armedTime().secondsUntilDue(), 60 + 600);
        counters->readable = false;
        m_clock.advance(QuietCondition::SampleMs);
        QCOMPARE(arming.state(), ArmingController::State::Idle);
        QCOMPARE(failed.value(0).value(0).toString(), "counters gone");
        QVERIFY(!arming.canPostpone());
        m_clock.advance(120000);
        QVERIFY(!fakes.pending);
    }

    // Every door goes through one service: a schedule and what is armed by hand never both
    // act, Cancel and --cancel stop whatever is about to act, and what the system cannot do
    // is never armed. Schedules as stored ("days time|action|force|on", ';' between), the
    // hand's command line, steps: "+s", "cancel" (--cancel), "warncancel" (the
    // warning's Cancel). The log: each request, each message, what --cancel answered.
    void doors_data()
    {
        for (const char *column : {"schedules", "hand", "steps", "log"})
            QTest::addColumn<QString>(column);
        const QString sleep = "daily 14:31|3|0|on";
        const QString off = "warning: The computer will be turned off in 60 second(s)";
        const QString both = "warning: %1 in 60 second(s) / The computer will go to sleep in 60 "
                             "second(s), ";
        QTest::newRow("--cancel in a schedule's warning minute")
            << "daily 14:31|1|0|on"
            << ""
            << "+20 cancel +120"
            << off + ", cancel: Stopped: the schedule's Turn off computer at Monday 14:31 / The "
                     "schedules stay on; the next is Tuesday 14:31.";
        QTest::newRow("same action, same moment: asked for once")
            << sleep << "--sleep --in 0:01:09"
            << "+75"
            << "warning: The computer will go to sleep in 60 second(s), " +
                   both.arg("The computer will go to sleep") +
                   "said: Sleep was due at the same moment twice: it was asked for once., request "
                   "sleep";
        QTest::newRow("the action that ends more goes out")
            << sleep << "--poweroff --in 0:01:09"
            << "+75"
            << off + ", " + both.arg("The computer will be turned off") +
                   "said: Sleep was left out: Turn off computer was due at the same moment., "
                   "request power off";
        QTest::newRow("one warning, its Cancel stops both")
            << sleep << "--poweroff --in 0:01:09"
            << "+20 warncancel +120"
            << off + ", " + both.arg("The computer will be turned off").chopped(2);
        QTest::newRow("a schedule the system cannot carry out") << "daily 14:31|4|0|on"
                                                                << ""
                                                                << "+120"
                                                                << "";
    }
    void doors()
    {
        QFETCH(QString, schedules);
        QFETCH(QString, hand);
        QFETCH(QString, steps);
        QFETCH(QString, log);
        QStringList seen;
        Recorder power;
        power.seen = &seen;
        MemoryStore store;
        const QStringList rules = schedules.split(';', Qt::SkipEmptyParts);
        for (int i = 0; i < rules.size(); ++i)
            store.values.insert(QStringLiteral("Schedule%1").arg(i + 1), rules[i]);
        ManualClock clock; // Monday 14:29:50
        ArmingService service({&clock, &power, nullptr, &store, nullptr, nullptr});
        connect(&service, &ArmingService::message, this,
                [&](const QString &text) { seen << "said: " + text; });
        connect(&service, &ArmingService::present, this, [&](const QString &text) {
            seen.removeAll("warning: " + text);
            seen << "warning: " + text;
        });
        service.probeCapabilities();
        service.loadSchedules();
        // The hand arms as a command line would: through the same door.
        const auto run = [&service](const QString &line) {
            return service.apply(parseCommandLine(("orvanta " + line).split(' '), false));
        };
        if (!hand.isEmpty())
            QCOMPARE(run(hand).kind, CommandOutcome::Kind::Applied);
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == "cancel")
                seen << "cancel: " + run("--cancel").text;
            else if (step == "warncancel")
                service.cancelWarned();
            else
                clock.advance(step.mid(1).toLongLong() * 1000);
        }
        QCOMPARE(seen.join(", ").replace("\r\n", " / ").replace('\n', " / "), log);
        QVERIFY(!service.anythingArmed());
    }

    // The warning's lead, and more time for each kind of armed item, on a clock in Berlin.
    // `arm`: a command line, a schedule, or "wait" for a job done at "met". Steps: "+s", "more
    // H:MM" (--postpone), "met". Logged: each warning at its wall-clock time, what --postpone
    // answered with the fields (or the tool tip), the requests, the schedules' tool tip.
    void leadAndMoreTime_data()
    {
        for (const char *column : {"start", "lead", "arm", "steps", "log"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char *name, const char *start, const char *lead, const char *arm,
                            const char *steps, const QString &log) {
            QTest::newRow(name) << start << lead << arm << steps << log;
        };
        const char *monday = "2026-12-07T14:29:50+01:00";
        // The core speaks the source's texts: the program loads their English forms.
        const QString sleep = " The computer will go to sleep in ",
                      more = ", more: going to sleep ";
        row("the lead before a countdown", monday, "5", "--sleep --in 0:10", "+700",
            "14:34:51" + sleep + "5 minute(s), request sleep +601 s");
        row("a countdown shorter than the lead warns at once", monday, "5", "--sleep --in 0:02",
            "+700", "14:29:50" + sleep + "2 minute(s) 1 second(s), request sleep +121 s");
        row("no warning", monday, "0", "--sleep --in 0:00:30", "+700", "request sleep +31 s");
        row("a time of day across midnight", "2026-12-07T23:49:30+01:00", "1", "--sleep --at 23:50",
            "+10 more 0:30 +1900",
            "23:49:30" + sleep + "30 second(s)" + more + "at 00:20:00 0:20:0, 00:19:00" + sleep +
                "60 second(s), request sleep +1830 s");
        row("a time of day as daylight saving time begins", "2026-03-29T01:49:30+01:00", "1",
            "--sleep --at 1:50", "+10 more 0:30 +1900",
            "01:49:30" + sleep + "30 second(s)" + more + "at 03:20:00 3:20:0, 03:19:00" + sleep +
                "60 second(s), request sleep +1830 s");
        row("a time of day as daylight saving time ends", "2026-10-25T02:49:30+02:00", "1",
            "--sleep --at 2:50", "+10 more 0:30 +1900",
            "02:49:30" + sleep + "30 second(s)" + more + "at 02:20:00 2:20:0, 02:19:00" + sleep +
                "60 second(s), request sleep +1830 s");
        row("a schedule's occurrence only", monday, "1", "daily 14:31|3|0|on", "+20 more 0:10 +700",
            "14:30:00" + sleep + "60 second(s)" + more +
                "at 14:41:00 Next: Monday 14:31 \u2014 Sleep (given more time: Monday 14:41), "
                "14:40:00" +
                sleep + "60 second(s), request sleep +670 s, Next: Tuesday 14:31 \u2014 Sleep");
        row("a wait: that much longer after the job", monday, "1", "wait",
            "more 0:30 +100 met +1900",
            "more: make (7) still running, then 0:30:00 more, 15:01:30" + sleep +
                "60 second(s), request sleep +1960 s");
        row("nothing armed", monday, "1", "", "more 0:10",
            "more: nothing is armed that could be given more time");
    }
    void leadAndMoreTime()
    {
        QFETCH(QString, start);
        QFETCH(QString, lead);
        QFETCH(QString, arm);
        QFETCH(QString, steps);
        QFETCH(QString, log);
        ManualClock clock;
        clock.wall =
            QDateTime::fromString(start, Qt::ISODate).toTimeZone(QTimeZone("Europe/Berlin"));
        QStringList seen;
        Recorder power;
        power.seen = &seen;
        power.clock = &clock;
        power.began = clock.wall;
        MemoryStore store;
        const bool scheduled = arm.contains('|');
        if (scheduled)
            store.values.insert(QStringLiteral("Schedule1"), arm);
        ArmingService service({&clock, &power, nullptr, &store, nullptr, nullptr});
        service.setWarning(lead.toInt() * 60, false, QString());
        connect(&service, &ArmingService::present, this,
                [&](const QString &text) { seen << clock.now().toString("HH:mm:ss ") + text; });
        ArmingController &hand = service.hand();
        std::array<QString, 3> fields;
        connect(&hand, &ArmingController::fieldWritten, this,
                [&](int i, const QString &text) { fields.at(std::size_t(i)) = text; });
        service.loadSchedules();
        const auto run = [&service](const QString &line) {
            return service.apply(parseCommandLine(("orvanta " + line).split(' '), false));
        };
        auto *job = new FakeCondition;
        job->setParent(&service);
        QString why;
        if (arm == "wait")
            QVERIFY(hand.armWhen(Action::Sleep, false, job, &why));
        else if (!scheduled && !arm.isEmpty())
            QCOMPARE(run(arm).kind, CommandOutcome::Kind::Applied);
        fields = hand.order().fields;
        const QStringList list = steps.split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (list[i] == "met") {
                job->hold(true);
            } else if (list[i] == "more") {
                seen << "more: " + run("--postpone " + list[++i]).text;
                if (scheduled)
                    seen.last() += ' ' + service.schedulesToolTip();
                else if (hand.armedTime().armed())
                    seen.last() += ' ' + QStringList(fields.begin(), fields.end()).join(':');
            } else {
                clock.advance(list[i].mid(1).toLongLong() * 1000);
            }
        }
        if (scheduled)
            seen << service.schedulesToolTip();
        QCOMPARE(seen.join(", "), log);
    }

    // A warning no server showed is handed to the window with the seconds left when it is
    // handed over. The state is Armed before any warning is given, so one no server can show
    // is handed over even for a countdown of under a minute; no answer in time is not a
    // refusal. (The notifier's Postpone and Cancel: e2e warning_postpone_cancel.)
    void warningHandedOverAndUnansweredStays()
    {
        Fakes fakes;
        ArmingService service({&m_clock, &fakes, &fakes, nullptr, nullptr, nullptr});
        ArmingController &arming = service.hand();
        QSignalSpy instead(&service, &ArmingService::present);
        QVERIFY(arming.arm({Action::Restart, false, TimeMode::Countdown, {"0", "1", "29"}, {}}));
        m_clock.advance(30000);
        QCOMPARE(fakes.shown, QStringList{"The computer will be restarted in 60 second(s)"});
        m_clock.advance(3000); // a server that takes three seconds to say no
        fakes.shownDone(false);
        QCOMPARE(instead.takeFirst()[0].toString(),
                 QStringLiteral("The computer will be restarted in 57 second(s)"));
        QVERIFY(arming.stop());
        fakes.answerAtOnce = true;
        QVERIFY(arming.arm({Action::Restart, false, TimeMode::Countdown, {"0", "0", "30"}, {}}));
        QCOMPARE(instead.size(), 1);
        m_clock.advance(31000);
        QSignalSpy unanswered(&arming, &ArmingController::unanswered);
        QTest::ignoreMessage(QtWarningMsg, "restart: no answer yet: timed out");
        PowerResult late;
        late.error = QStringLiteral("timed out");
        late.unanswered = true;
        fakes.pending(late);
        QCOMPARE(unanswered.size(), 1);
        QCOMPARE(arming.state(), ArmingController::State::Requesting);
        QVERIFY(!arming.stop());
    }
};

QTEST_GUILESS_MAIN(ArmingTest)
#include "tst_arming.moc"
