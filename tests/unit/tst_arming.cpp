#include "../ManualClock.h"
#include "core/ArmingController.h"
#include "core/Condition.h"
#include "core/Notifier.h"
#include "core/Schedule.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Holds each request and each notification until the test answers it.
struct Fakes final : PowerRequester, Notifier
{
    void prepare() override { ++prepared; }
    void request(Action, bool force, Done done) override
    {
        forced = force;
        pending = std::move(done);
    }
    void show(const QString &text, const QString &, std::function<void(bool)> done) override
    {
        shown << text;
        shownDone = std::move(done);
    }
    void close() override { ++closed; }

    int prepared = 0, closed = 0;
    bool forced = false;
    Done pending;
    QStringList shown;
    std::function<void(bool)> shownDone;
};

// Holds when the test says so.
struct FakeCondition final : Condition
{
    QString progress() const override { return QStringLiteral("make (7) still running"); }
    void hold(bool holds) { setHolds(holds, QStringLiteral("Busy again.")); }
    bool begin(QString *) override { return true; }
    bool beginAgain(QString *) override { return true; }
    void end() override {}
};

} // namespace

// Idle -> Armed -> Requesting -> accepted or refused, on a clock the test moves.
class ArmingTest : public QObject
{
    Q_OBJECT
    ManualClock m_clock;

private slots:
    // Nothing can be stopped, postponed or re-armed once the system has been asked; only
    // the answer of that request moves it on.
    void requestInFlightCannotBeStopped_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("refused") << false;
    }
    void requestInFlightCannotBeStopped()
    {
        QFETCH(bool, accept);
        Fakes fakes;
        ArmingController arming(m_clock, fakes, &fakes);
        QSignalSpy accepted(&arming, &ArmingController::accepted);
        QSignalSpy refused(&arming, &ArmingController::refused);
        const ArmOrder order{Action::PowerOff, true, TimeMode::Countdown, {"0", "0", "2"}};
        QVERIFY(arming.arm(order) && fakes.prepared == 1);
        m_clock.advance(3000);
        QCOMPARE(arming.state(), ArmingController::State::Requesting);
        QVERIFY(fakes.pending && fakes.forced && fakes.closed > 0);
        QVERIFY(!arming.stop() && !arming.arm(order));
        emit fakes.cancelRequested();
        emit fakes.postponeRequested();
        QCOMPARE(arming.state(), ArmingController::State::Requesting);
        if (!accept)
            QTest::ignoreMessage(QtWarningMsg, "power off (forced) was refused: denied");
        fakes.pending({accept, accept ? QString() : QStringLiteral("denied"), Refusal::AccessDenied,
                       QString()});
        QCOMPARE(accepted.size(), accept ? 1 : 0);
        QCOMPARE(refused.size(), accept ? 0 : 1);
        QCOMPARE(arming.state(),
                 accept ? ArmingController::State::Requesting : ArmingController::State::Idle);
    }

    // A wait that held and was refused leaves nothing behind: a countdown armed next shows
    // its steps in the fields again.
    void refusedWaitLeavesNothing()
    {
        Fakes fakes;
        ArmingController arming(m_clock, fakes, &fakes);
        arming.setWarningEnabled(false);
        auto *condition = new FakeCondition;
        QString why;
        QVERIFY(arming.armWhen(Action::LogOff, false, condition, &why));
        QCOMPARE(arming.toolTip(), QStringLiteral("Orvanta \u2014 make (7) still running"));
        condition->hold(true);
        QTest::ignoreMessage(QtWarningMsg, "log off was refused: no");
        fakes.pending({false, QStringLiteral("no"), Refusal::Other, QString()});
        QVERIFY(!arming.condition());
        QSignalSpy written(&arming, &ArmingController::fieldWritten);
        QVERIFY(arming.arm({Action::LogOff, false, TimeMode::Countdown, {"0", "0", "2"}}));
        m_clock.advance(1000);
        QCOMPARE(written.size(), 1);
    }

    // Postpone and Cancel of the warning while armed; a warning no server showed is handed
    // to the window with the seconds left when it is handed over.
    void warningActions()
    {
        Fakes fakes;
        ArmingController arming(m_clock, fakes, &fakes);
        QSignalSpy instead(&arming, &ArmingController::warnInstead);
        QVERIFY(arming.arm({Action::Restart, false, TimeMode::Countdown, {"0", "1", "29"}}));
        m_clock.advance(30000);
        QCOMPARE(fakes.shown, QStringList{"The computer will be restarted in 60 seconds"});
        m_clock.advance(3000); // a server that takes three seconds to say no
        fakes.shownDone(false);
        QCOMPARE(instead.takeFirst()[0].toString(),
                 QStringLiteral("The computer will be restarted in 57 seconds"));
        emit fakes.postponeRequested();
        QCOMPARE(arming.schedule().secondsUntilDue(), 57 + ArmingController::PostponeSeconds);
        emit fakes.cancelRequested();
        QCOMPARE(arming.state(), ArmingController::State::Idle);
        m_clock.advance(3600 * 1000);
        QVERIFY(!fakes.pending);
    }
};

QTEST_GUILESS_MAIN(ArmingTest)
#include "tst_arming.moc"
