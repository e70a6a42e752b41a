#include "core/PowerChain.h"

#include <QTest>

using namespace PowerChain;

Q_DECLARE_METATYPE(Refusal)

class PowerChainTest : public QObject
{
    Q_OBJECT
private slots:
    // A chain of a session manager ("manager", silence accepted), a query ("can") and a
    // system call ("call"), answered in order: "ok", "silent", "=word" to the query, "gone"
    // (not available here), else an error that refuses.
    void run_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<Refusal>("refusal");
        QTest::addColumn<QString>("error"); // empty when accepted
        QTest::addColumn<bool>("unanswered");
        const auto row = [](const char *name, const QStringList &steps, bool force,
                            const QStringList &replies, Refusal refusal = Refusal::Other,
                            const QString &error = {}, bool unanswered = false) {
            QTest::newRow(name) << steps << force << replies << refusal << error << unanswered;
        };
        row("not there, next", {"manager", "call"}, false, {"gone", "ok"});
        row("a manager may never answer", {"manager", "call"}, false, {"silent"});
        // A call that acts and is silent may still be carried out: no second request.
        row("silent call: unanswered, no next", {"can", "call", "call"}, false, {"=yes", "silent"},
            Refusal::Other, "can can(): yes; call call(): no reply", true);
        row("a silent query refuses", {"can", "call"}, false, {"silent"}, Refusal::NoAnswer,
            "can can(): no reply");
        row("a refusal ends the chain", {"manager", "call"}, false, {"denied"},
            Refusal::AccessDenied, "manager manager(1): denied (told)");
        row("can: na", {"can", "call"}, false, {"=na"}, Refusal::NotPossible, "can can(): na");
        // Ending a session unasked is for a forced log off only.
        row("nothing to call", {}, false, {}, Refusal::NoSessionManager, "nothing to call");
        row("nothing there", {"manager"}, false, {"gone"}, Refusal::NoSessionManager,
            "manager manager(1): gone");
        row("nothing there, forced", {"manager"}, true, {"gone"}, Refusal::NoService,
            "manager manager(1): gone");
    }
    void run()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, force);
        QFETCH(QStringList, replies);
        QFETCH(Refusal, refusal);
        QFETCH(QString, error);
        QFETCH(bool, unanswered);
        QList<Step> chain;
        for (const QString &name : steps) {
            Step step;
            step.service = step.method = name;
            step.query = name == "can";
            step.silenceAccepted = name == "manager";
            if (name == "manager")
                step.args = {{Arg::Type::UInt32, 1}};
            step.moveOnErrors = {"gone"};
            chain << step;
        }
        Run run(chain, whenNothingAnswers(Action::LogOff, force));
        int sent = 0;
        while (run.next()) {
            const QString script = replies.value(sent++, QStringLiteral("sent too many"));
            if (script == "silent")
                run.answer({Reply::Kind::Silence, {}, {}, Refusal::NoAnswer});
            else if (script == "ok" || script.startsWith('='))
                run.answer({Reply::Kind::Reply, {}, script.section('=', 1), Refusal::Other});
            else
                run.answer({Reply::Kind::Error, script, "told", Refusal::AccessDenied});
        }
        QCOMPARE(sent, replies.size());
        QCOMPARE(run.result().accepted, error.isEmpty());
        QCOMPARE(run.result().error, error);
        QCOMPARE(run.result().refusal, refusal);
        QCOMPARE(run.result().unanswered, unanswered);
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
