#include "../common/PowerCalls.h"
#include "schedule/PowerChain.h"

#include <QtTest>

namespace {

const PowerAction LogOff = PowerAction::LogOff;
const PowerAction PowerOff = PowerAction::PowerOff;
const PowerAction Restart = PowerAction::Restart;

const QStringList NotAvailable{
    "org.freedesktop.DBus.Error.ServiceUnknown", "org.freedesktop.DBus.Error.NameHasNoOwner",
    "org.freedesktop.DBus.Error.UnknownMethod",  "org.freedesktop.DBus.Error.UnknownInterface",
    "org.freedesktop.DBus.Error.UnknownObject",  "org.freedesktop.DBus.Error.Disconnected"};
const QString InvalidArgs = "org.freedesktop.DBus.Error.InvalidArgs";

// One step as a line: bus, name, object, member with typed arguments, then its flags.
QString line(const PowerStep &step)
{
    QStringList args;
    for (const PowerArg &arg : step.args) {
        static const char *const type[] = {"u", "i", "t", "b"};
        args << QString("%1 %2").arg(type[int(arg.type)]).arg(arg.value);
    }
    QString text = QString("%1 %2 %3 %4.%5(%6)")
                       .arg(step.bus == PowerBus::System ? "system" : "session", step.service,
                            step.path, step.interface, step.method, args.join(", "));
    if (step.query)
        text += " query";
    if (step.silenceAccepted)
        text += " quiet";
    if (step.autoStart)
        text += " start";
    QStringList extra = step.moveOnErrors;
    for (const QString &name : NotAvailable)
        extra.removeOne(name);
    if (!extra.isEmpty())
        text += " +" + extra.join(" +");
    return text;
}

// Session-manager calls go out without starting the service.
QString gnome(const QString &member)
{
    return PowerCalls::gnome(member, " quiet");
}
QString mate(const QString &member)
{
    return PowerCalls::mate(member, " quiet");
}
QString xfce(const QString &member)
{
    return PowerCalls::xfce(member, " quiet");
}
QString kde(const QString &member)
{
    return PowerCalls::kde(member, " quiet");
}
QString ksmserver(const QString &args)
{
    return PowerCalls::ksmserver("logout(" + args + ")", " quiet");
}
QString lxqt(const QString &member)
{
    return PowerCalls::lxqt(member, " quiet");
}
QString logind(const QString &member, const QString &flags = " start")
{
    return PowerCalls::logind(member, flags);
}
const QString Terminate = PowerCalls::terminate(" start");
const QStringList LogindOff{logind("CanPowerOff()", " query start"),
                            logind("PowerOffWithFlags(t 0)"), logind("PowerOff(b 0)")};
const QStringList LogindReboot{logind("CanReboot()", " query start"),
                               logind("RebootWithFlags(t 0)"), logind("Reboot(b 0)")};
const QStringList LogindOffForced{logind("PowerOffWithFlags(t 16)", " start +" + InvalidArgs),
                                  logind("PowerOff(b 0)")};
const QStringList LogindRebootForced{logind("RebootWithFlags(t 16)", " start +" + InvalidArgs),
                                     logind("Reboot(b 0)")};

} // namespace

class tst_PowerChain : public QObject
{
    Q_OBJECT

private slots:
    void desktop_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<PowerDesktop>("desktop");
        QTest::newRow("unset") << "" << PowerDesktop::Other;
        QTest::newRow("KDE") << "KDE" << PowerDesktop::Kde;
        QTest::newRow("ubuntu:GNOME") << "ubuntu:GNOME" << PowerDesktop::Gnome;
        QTest::newRow("X-Cinnamon") << "X-Cinnamon" << PowerDesktop::Gnome;
        QTest::newRow("MATE") << "MATE" << PowerDesktop::Mate;
        QTest::newRow("XFCE") << "XFCE" << PowerDesktop::Xfce;
        QTest::newRow("LXQt") << "LXQt" << PowerDesktop::Lxqt;
        QTest::newRow("lower case") << "kde" << PowerDesktop::Kde;
        QTest::newRow("first known entry wins") << "Unity:XFCE:GNOME" << PowerDesktop::Xfce;
        QTest::newRow("empty entries") << "::MATE:" << PowerDesktop::Mate;
        QTest::newRow("unknown") << "Hyprland" << PowerDesktop::Other;
        QTest::newRow("part of a name is not a match") << "GNOME-Flashback" << PowerDesktop::Other;
    }
    void desktop()
    {
        QFETCH(QString, xdg);
        QFETCH(PowerDesktop, desktop);
        QCOMPARE(powerDesktopFrom(xdg), desktop);
    }

    void chain_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<PowerAction>("action");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("steps");

        const auto row = [](const char *name, const char *xdg, PowerAction action, bool force,
                            const QStringList &steps) {
            QTest::newRow(name) << QString(xdg) << action << force << steps;
        };
        // Nothing forced: the desktop's own request first, logind last.
        row("KDE log off", "KDE", LogOff, false,
            {kde("logout()"), ksmserver("i 0, i 0, i 1"), Terminate});
        row("KDE power off", "KDE", PowerOff, false,
            QStringList{kde("logoutAndShutdown()"), ksmserver("i 0, i 2, i 1")} + LogindOff);
        row("KDE restart", "KDE", Restart, false,
            QStringList{kde("logoutAndReboot()"), ksmserver("i 0, i 1, i 1")} + LogindReboot);
        row("GNOME log off", "GNOME", LogOff, false, {gnome("Logout(u 1)"), Terminate});
        row("GNOME power off", "GNOME", PowerOff, false,
            QStringList{gnome("Shutdown()")} + LogindOff);
        row("GNOME restart", "GNOME", Restart, false,
            QStringList{gnome("Reboot()")} + LogindReboot);
        row("MATE log off", "MATE", LogOff, false, {mate("Logout(u 1)"), Terminate});
        row("MATE power off", "MATE", PowerOff, false,
            QStringList{mate("RequestShutdown()")} + LogindOff);
        row("MATE restart", "MATE", Restart, false,
            QStringList{mate("RequestReboot()")} + LogindReboot);
        row("Xfce log off", "XFCE", LogOff, false, {xfce("Logout(b 0, b 1)"), Terminate});
        row("Xfce power off", "XFCE", PowerOff, false,
            QStringList{xfce("Shutdown(b 1)")} + LogindOff);
        row("Xfce restart", "XFCE", Restart, false,
            QStringList{xfce("Restart(b 1)")} + LogindReboot);
        row("LXQt log off", "LXQt", LogOff, false, {lxqt("logout()"), Terminate});
        row("LXQt power off", "LXQt", PowerOff, false, QStringList{lxqt("powerOff()")} + LogindOff);
        row("LXQt restart", "LXQt", Restart, false, QStringList{lxqt("reboot()")} + LogindReboot);
        row("other log off", "", LogOff, false, {Terminate});
        row("other power off", "", PowerOff, false, LogindOff);
        row("other restart", "Hyprland", Restart, false, LogindReboot);

        // Forced: only GNOME and MATE log off by themselves; the rest is logind's, which
        // can skip the inhibitors.
        row("GNOME log off forced", "GNOME", LogOff, true, {gnome("Logout(u 2)"), Terminate});
        row("MATE log off forced", "MATE", LogOff, true, {mate("Logout(u 2)"), Terminate});
        for (const char *xdg : {"KDE", "XFCE", "LXQt", ""}) {
            const QByteArray name = QByteArray(*xdg ? xdg : "other");
            QTest::newRow(name + " log off forced")
                << QString(xdg) << LogOff << true << QStringList{Terminate};
        }
        for (const char *xdg : {"KDE", "GNOME", "MATE", "XFCE", "LXQt", ""}) {
            const QByteArray name = QByteArray(*xdg ? xdg : "other");
            QTest::newRow(name + " power off forced")
                << QString(xdg) << PowerOff << true << LogindOffForced;
            QTest::newRow(name + " restart forced")
                << QString(xdg) << Restart << true << LogindRebootForced;
        }
    }
    void chain()
    {
        QFETCH(QString, xdg);
        QFETCH(PowerAction, action);
        QFETCH(bool, force);
        QFETCH(QStringList, steps);
        QStringList actual;
        for (const PowerStep &step : powerChainFor(powerDesktopFrom(xdg), action, force)) {
            actual << line(step);
            // Every step gives way where its service, object or method is not there.
            for (const QString &name : NotAvailable)
                QVERIFY2(step.moveOnErrors.contains(name), qPrintable(line(step) + " " + name));
        }
        QCOMPARE(actual, steps);
    }

    // A reply script: "ok", "silent", an error name, or a query's answer ("=no").
    void run_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<PowerAction>("action");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("error");

        const QString unknown = "org.freedesktop.DBus.Error.ServiceUnknown";
        const QString denied = "org.freedesktop.DBus.Error.AccessDenied";
        QTest::newRow("first step answers")
            << "GNOME" << LogOff << false << QStringList{"ok"} << true << 1 << "";
        QTest::newRow("absent service, next step answers")
            << "KDE" << LogOff << false << QStringList{unknown, "ok"} << true << 2 << "";
        QTest::newRow("session manager silent")
            << "LXQt" << PowerOff << false << QStringList{"silent"} << true << 1 << "";
        QTest::newRow("logind silent") << "" << LogOff << false << QStringList{"silent"} << false
                                       << 1 << "org.freedesktop.login1 Terminate(): no reply";
        QTest::newRow("refusal ends the chain")
            << "GNOME" << LogOff << true << QStringList{denied} << false << 1
            << "org.gnome.SessionManager Logout(2): " + denied + " (told by test)";
        QTest::newRow("can: yes") << "" << PowerOff << false << QStringList{"=yes", "ok"} << true
                                  << 2 << "";
        QTest::newRow("can: challenge lets logind decide")
            << "" << Restart << false << QStringList{"=challenge", "ok"} << true << 2 << "";
        QTest::newRow("can: no") << "" << PowerOff << false << QStringList{"=no"} << false << 1
                                 << "org.freedesktop.login1 CanPowerOff(): no";
        QTest::newRow("can: na") << "" << Restart << false << QStringList{"=na"} << false << 1
                                 << "org.freedesktop.login1 CanReboot(): na";
        QTest::newRow("can: silent") << "" << Restart << false << QStringList{"silent"} << false
                                     << 1 << "org.freedesktop.login1 CanReboot(): no reply";
        QTest::newRow("forced flag refused, plain call")
            << "" << PowerOff << true << QStringList{InvalidArgs, "ok"} << true << 2 << "";
        QTest::newRow("unforced InvalidArgs refuses")
            << "" << PowerOff << false << QStringList{"=yes", InvalidArgs} << false << 2
            << "org.freedesktop.login1 CanPowerOff(): yes; org.freedesktop.login1 "
               "PowerOffWithFlags(0x0): " +
                   InvalidArgs + " (told by test)";
        QTest::newRow("old logind without flags")
            << "" << Restart << false
            << QStringList{"=yes", "org.freedesktop.DBus.Error.UnknownMethod", "ok"} << true << 3
            << "";
        QTest::newRow("nothing answers")
            << "KDE" << Restart << false
            << QStringList{"org.freedesktop.DBus.Error.NameHasNoOwner",
                           "org.freedesktop.DBus.Error.NameHasNoOwner", unknown, unknown, unknown}
            << false << 5
            << "org.kde.Shutdown logoutAndReboot(): org.freedesktop.DBus.Error.NameHasNoOwner; "
               "org.kde.ksmserver logout(0, 1, 1): org.freedesktop.DBus.Error.NameHasNoOwner; "
               "org.freedesktop.login1 CanReboot(): " +
                   unknown + "; org.freedesktop.login1 RebootWithFlags(0x0): " + unknown +
                   "; org.freedesktop.login1 Reboot(false): " + unknown;
        QTest::newRow("forced flags then plain both refused")
            << "" << PowerOff << true << QStringList{InvalidArgs, denied} << false << 2
            << "org.freedesktop.login1 PowerOffWithFlags(0x10): " + InvalidArgs +
                   "; org.freedesktop.login1 PowerOff(false): " + denied + " (told by test)";
    }
    void run()
    {
        QFETCH(QString, xdg);
        QFETCH(PowerAction, action);
        QFETCH(bool, force);
        QFETCH(QStringList, replies);
        QFETCH(bool, accepted);
        QFETCH(int, sent);
        QFETCH(QString, error);

        const QList<PowerStep> steps = powerChainFor(powerDesktopFrom(xdg), action, force);
        int calls = 0;
        const PowerResult result = runPowerChain(steps, [&](const PowerStep &step) {
            const QString next = replies.value(calls++, "no script left");
            if (calls <= steps.size())
                [&] { QCOMPARE(step, steps.at(calls - 1)); }();
            if (next == "ok")
                return PowerReply{PowerReply::Kind::Reply, {}, {}};
            if (next == "silent")
                return PowerReply{PowerReply::Kind::Silence, {}, {}};
            if (next.startsWith('='))
                return PowerReply{PowerReply::Kind::Reply, {}, next.mid(1)};
            return PowerReply{PowerReply::Kind::Error, next, "told by test"};
        });
        QCOMPARE(calls, sent);
        QCOMPARE(result.accepted, accepted);
        QCOMPARE(result.error, error);
    }

    void emptyChainIsRefused()
    {
        const PowerResult result = runPowerChain({}, [](const PowerStep &) {
            return PowerReply{PowerReply::Kind::Reply, {}, {}};
        });
        QVERIFY(!result.accepted);
        QVERIFY(!result.error.isEmpty());
    }
};

QTEST_APPLESS_MAIN(tst_PowerChain)
#include "tst_powerchain.moc"
