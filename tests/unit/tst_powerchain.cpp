#include "core/PowerChain.h"

#include <QTest>

using namespace PowerChain;

Q_DECLARE_METATYPE(Refusal)

class PowerChainTest : public QObject
{
    Q_OBJECT
private slots:
    // A chain of a session manager ("manager"), a query ("can") and a system call ("call"),
    // answered in order: "ok", "silent", "=word" to the query, "gone" (not available here),
    // else an error that refuses; "late …" after the chain has ended. `told`: each result
    // the caller is to pass on ("accepted", "unanswered: error", or the refusal's error).
    void run_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<Refusal>("refusal");
        const auto row = [](const char *name, const QStringList &steps, bool force,
                            const QStringList &replies, const QStringList &told,
                            Refusal refusal = Refusal::Other) {
            QTest::newRow(name) << steps << force << replies << told << refusal;
        };
        const QString silentManager = "manager manager(1): no reply";
        row("not there, next", {"manager", "call"}, false, {"gone", "ok"}, {"accepted"});
        // Only a reply accepts: an end-session dialog's silence is no acceptance. Its own
        // late answer still settles the request, and is told.
        row("a manager's late reply", {"manager", "call"}, false, {"silent", "late ok"},
            {"unanswered: " + silentManager, "accepted"});
        row("a manager silent for good", {"manager", "call"}, false, {"silent", "late silent"},
            {"unanswered: " + silentManager,
             silentManager + "; manager manager(1): still no reply"},
            Refusal::NotConfirmed);
        // A call that acts and is silent may still be carried out: no second request.
        row("silent call: unanswered, no next", {"can", "call", "call"}, false, {"=yes", "silent"},
            {"unanswered: can can(): yes; call call(): no reply"});
        row("a silent query refuses", {"can", "call"}, false, {"silent"}, {"can can(): no reply"},
            Refusal::NoAnswer);
        // A word after a refusal changes nothing and is not told.
        row("a refusal ends the chain", {"manager", "call"}, false, {"denied", "late ok"},
            {"manager manager(1): denied (told)"}, Refusal::AccessDenied);
        row("can: na", {"can", "call"}, false, {"=na"}, {"can can(): na"}, Refusal::NotPossible);
        // Ending a session unasked is for a forced log off only.
        row("nothing to call", {}, false, {}, {"nothing to call"}, Refusal::NoSessionManager);
        row("nothing there, forced", {"manager"}, true, {"gone"}, {"manager manager(1): gone"},
            Refusal::NoService);
    }
    void run()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, force);
        QFETCH(QStringList, replies);
        QFETCH(QStringList, told);
        QFETCH(Refusal, refusal);
        QList<Step> chain;
        for (const QString &name : steps) {
            Step step;
            step.service = step.method = name;
            step.query = name == "can";
            if (name == "manager")
                step.args = {{Arg::Type::UInt32, 1}};
            step.moveOnErrors = {"gone"};
            chain << step;
        }
        Run run(chain, whenNothingAnswers(Action::LogOff, force));
        QStringList said;
        const auto tell = [&] {
            const PowerResult &r = run.result();
            said << (r.accepted ? "accepted" : r.unanswered ? "unanswered: " + r.error : r.error);
        };
        if (!run.next())
            tell();
        for (QString script : replies) {
            QCOMPARE(!run.next(), script.startsWith("late "));
            script.remove("late ");
            const Reply reply =
                script == "silent" ? Reply{Reply::Kind::Silence, {}, {}, Refusal::NoAnswer}
                : script == "ok" || script.startsWith('=')
                    ? Reply{Reply::Kind::Reply, {}, script.section('=', 1), Refusal::Other}
                    : Reply{Reply::Kind::Error, script, "told", Refusal::AccessDenied};
            if (run.answer(reply) && !run.next())
                tell();
        }
        QVERIFY(!run.next());
        QCOMPARE(said, told);
        QCOMPARE(run.result().refusal, refusal);
    }

    // The desktop's name only puts its manager first; every other one still follows.
    void order_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("first");
        for (const char *row :
             {"=Kde", "Unity:XFCE:GNOME=Xfce", "X-Cinnamon=Gnome", "ubuntu: mate=Mate"})
            QTest::newRow(row) << QString(row).section('=', 0, 0) << QString(row).section('=', 1);
    }
    void order()
    {
        QFETCH(QString, xdg);
        QFETCH(QString, first);
        const QList<SessionManager> order = sessionManagerOrder(xdg);
        QCOMPARE(order.size(), 5);
        QCOMPARE(QSet<SessionManager>(order.begin(), order.end()).size(), 5);
        const QStringList names = {"Kde", "Gnome", "Mate", "Xfce", "Lxqt"};
        QCOMPARE(names.value(int(order.first())), first);
    }
};

QTEST_APPLESS_MAIN(PowerChainTest)
#include "tst_powerchain.moc"
