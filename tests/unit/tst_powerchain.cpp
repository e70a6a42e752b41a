#include "core/PowerChain.h"

#include <QTest>

Q_DECLARE_METATYPE(Refusal)

static const QString Error = QStringLiteral("org.freedesktop.DBus.Error.");
static const QString Logind = QStringLiteral("org.freedesktop.login1 ");

class PowerChainTest : public QObject
{
    Q_OBJECT
private slots:
    // The chain of a desktop (XDG_CURRENT_DESKTOP) and request, answered in order: "ok",
    // "silent", "=answer" to a query, else an error name.
    void run_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<int>("action"); // log off, power off, restart
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<Refusal>("refusal");
        QTest::addColumn<QString>("error"); // empty when accepted
        const auto row = [](const char *name, const char *xdg, int action, bool force,
                            const QStringList &replies, Refusal refusal = Refusal::Other,
                            const QString &error = {}) {
            QTest::newRow(name) << QString::fromLatin1(xdg) << action << force << replies << refusal
                                << error;
        };
        const QString unknown = Error + "ServiceUnknown", invalid = Error + "InvalidArgs";
        const QString denied = Error + "AccessDenied";
        row("not there, next", "KDE", 0, false, {unknown, "ok"});
        row("logind silent", "", 0, true, {"silent"}, Refusal::NoAnswer,
            Logind + "Terminate(): no reply");
        row("refusal ends the chain", "X-Cinnamon", 0, true, {denied}, Refusal::AccessDenied,
            "org.gnome.SessionManager Logout(2): " + denied + " (told)");
        row("first known desktop", "Unity:XFCE:GNOME", 2, false,
            {"org.freedesktop.login1.BlockedByInhibitorLock"}, Refusal::Inhibited,
            "org.xfce.SessionManager Restart(true): "
            "org.freedesktop.login1.BlockedByInhibitorLock (told)");
        row("can: no", "", 1, false, {"=no"}, Refusal::NotPossible, Logind + "CanPowerOff(): no");
        row("can: na", "", 2, false, {"=na"}, Refusal::NotPossible, Logind + "CanReboot(): na");
        row("unforced InvalidArgs", "", 1, false, {"=yes", invalid}, Refusal::Other,
            Logind + "CanPowerOff(): yes; " + Logind + "PowerOffWithFlags(0x0): " + invalid +
                " (told)");
        // Ending the session unasked is for a forced log off only.
        row("no session manager", "GNOME-Flashback", 0, false, {}, Refusal::NoSessionManager,
            "nothing to call");
        row("none running", "KDE", 0, false, {unknown, unknown}, Refusal::NoSessionManager,
            "org.kde.Shutdown logout(): " + unknown +
                "; org.kde.ksmserver logout(0, 0, 1): " + unknown);
    }
    void run()
    {
        QFETCH(QString, xdg);
        QFETCH(int, action);
        QFETCH(bool, force);
        QFETCH(QStringList, replies);
        QFETCH(Refusal, refusal);
        QFETCH(QString, error);
        int sent = 0;
        const auto reply = [&](const PowerStep &) -> PowerReply {
            const QString script = replies.value(sent++, QStringLiteral("sent too many"));
            if (script == QLatin1String("silent"))
                return {PowerReply::Kind::Silence, {}, {}};
            if (script == QLatin1String("ok") || script.startsWith('='))
                return {PowerReply::Kind::Reply, {}, script.section('=', 1)};
            return {PowerReply::Kind::Error, script, QStringLiteral("told")};
        };
        const auto result =
            runPowerChain(powerChainFor(powerDesktopFrom(xdg), Action(action), force), reply,
                          refusalWhenNothingAnswers(Action(action), force));
        QCOMPARE(sent, replies.size());
        QCOMPARE(result.accepted, error.isEmpty());
        QCOMPARE(result.error, error);
        QCOMPARE(result.refusal, refusal);
    }
};

QTEST_APPLESS_MAIN(PowerChainTest)
#include "tst_powerchain.moc"
