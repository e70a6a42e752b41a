// The Linux power back-end against python3-dbusmock on two private buses this test starts
// itself; the buses are handed to the requester, never put into the environment.
#include "../Child.h"
#include "platform/linux/DBusPowerRequester.h"

#include <QTest>

class DBusPowerTest : public QObject
{
    Q_OBJECT
    PrivateBuses m_buses;

    // The mocks started with these rules, and a requester on the buses ("system=none",
    // "session=none": a bus that is not there).
    DBusPowerRequester requester(Child &mocks, const QStringList &rules, const QString &xdg)
    {
        mocks.start("/usr/bin/python3",
                    QStringList{POWERMOCKS, m_buses.addresses[0], m_buses.addresses[1]} + rules);
        if (mocks.firstLine() != QLatin1String("ready"))
            qFatal("the mocks did not start");
        const QString none = "unix:path=/nonexistent/bus";
        const QString system = rules.contains("system=none") ? none : m_buses.addresses[0];
        const QString session = rules.contains("session=none") ? none : m_buses.addresses[1];
        return DBusPowerRequester(QDBusConnection::connectToBus(system, system),
                                  QDBusConnection::connectToBus(session, session), xdg,
                                  std::chrono::milliseconds(400), std::chrono::milliseconds(800),
                                  std::chrono::milliseconds(1500));
    }

private slots:
    void initTestCase() { QVERIFY2(m_buses.start(), "dbus-daemon did not start"); }

    // Each call as the mock saw it on the wire: member, signature, arguments.
    void request_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<int>("action"); // log off, power off, restart, sleep, hibernate
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QStringList>("calls");
        // Each result told: "accepted", "unanswered: error", or the refusal's error.
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QString>("detail");
        const auto row = [](const char *name, const char *xdg, int action, bool force,
                            const QStringList &rules, const QStringList &calls,
                            const QStringList &told = {"accepted"}, const QString &detail = {}) {
            QTest::newRow(name) << QString::fromLatin1(xdg) << action << force << rules << calls
                                << told << detail;
        };
        const QString denied = "org.freedesktop.DBus.Error.AccessDenied";
        const QString blocked = "org.freedesktop.login1.BlockedByInhibitorLock";
        // What logind was asked and answered: "Can…(): yes; …WithFlags(0x0): " and the answer.
        const auto asked = [](const QString &can, const QString &answer) {
            return QStringLiteral("org.freedesktop.login1 Can%1(): yes; org.freedesktop.login1 "
                                  "%1WithFlags(0x0): %2")
                .arg(can, answer);
        };
        row("logind before 257", "", 1, true,
            {"PowerOffWithFlags=org.freedesktop.DBus.Error.InvalidArgs"},
            {"PowerOffWithFlags t 16", "PowerOff b 0"});
        row("no session bus", "GNOME", 0, true, {"session=none"}, {"Terminate"});
        // The end-session dialog answers only when the session ends: unanswered until then,
        // and its answer is still told; cancelled without a word, it ends as not confirmed.
        const QString dialog = "org.gnome.SessionManager Shutdown(): ";
        row("GNOME dialog, carried out", "GNOME", 1, false, {"Shutdown=late"}, {"Shutdown"},
            {"unanswered: " + dialog + "no reply", "accepted"});
        row("GNOME dialog, cancelled", "GNOME", 1, false, {"Shutdown=silent"}, {"Shutdown"},
            {"unanswered: " + dialog + "no reply",
             dialog + "no reply; " + dialog + "still no reply"});
        // A call that should answer and does not may still be carried out: it is not
        // refused, and no second request follows (tst_powerchain: silent calls).
        row("logind's own wait ran out", "", 2, false,
            {"absent=gnome", "RebootWithFlags=org.freedesktop.DBus.Error.Timeout"},
            {"CanReboot", "RebootWithFlags t 0"},
            {"unanswered: " + asked("Reboot", "no reply (org.freedesktop.DBus.Error.Timeout)")});
        // The session manager that runs is asked, whatever the desktop's name; without one,
        // nothing ends the session unasked.
        row("a manager the name does not tell", "Pantheon", 0, false, {}, {"Logout u 1"});
        row("no manager runs", "GNOME", 0, false, {"absent=gnome"}, {}, {"nothing to call"});
        row("refused, every step named", "GNOME", 0, true,
            {"Logout=org.freedesktop.DBus.Error.ServiceUnknown", "Terminate=" + denied},
            {"Logout u 2", "Terminate"},
            {"org.gnome.SessionManager Logout(2): org.freedesktop.DBus.Error.ServiceUnknown; "
             "org.freedesktop.login1 Terminate(): " +
             denied + " (told by the mock)"},
            "told by the mock");
        // Sleeping is logind's alone, though GNOME's manager runs.
        row("sleep", "GNOME", 3, false, {}, {"CanSuspend", "SuspendWithFlags t 0"});
        // Only the block inhibitors against this action are named.
        row("who holds it", "", 3, false, {"SuspendWithFlags=" + blocked, "inhibitors=held"},
            {"CanSuspend", "SuspendWithFlags t 0", "ListInhibitors"},
            {asked("Suspend", blocked + " (told by the mock)")},
            "Held by \"Firefox\" (PID 1234): Playing video\nHeld by \"backup\" (PID 99)");
        row("who holds it unknown", "", 2, false,
            {"absent=gnome", "RebootWithFlags=" + blocked, "ListInhibitors=" + denied},
            {"CanReboot", "RebootWithFlags t 0", "ListInhibitors"},
            {asked("Reboot", blocked + " (told by the mock)")}, "told by the mock");
    }
    void request()
    {
        QFETCH(QString, xdg);
        QFETCH(int, action);
        QFETCH(bool, force);
        QFETCH(QStringList, rules);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, told);
        QFETCH(QString, detail);
        Child mocks;
        DBusPowerRequester power = requester(mocks, rules, xdg);
        QStringList said;
        QString lastDetail;
        power.request(Action(action), force, [&](const PowerResult &r) {
            said << (r.accepted ? "accepted" : r.unanswered ? "unanswered: " + r.error : r.error);
            lastDetail = r.detail;
        });
        QCOMPARE(said.size(), 0); // never from inside the request
        QTRY_COMPARE_WITH_TIMEOUT(said.size(), told.size(), 3000);
        QCOMPARE(mocks.lines(), calls); // and nothing more told meanwhile
        QCOMPARE(said, told);
        QCOMPARE(lastDetail, detail);
    }

    // What each of logind's answers means for log off, power off, restart, sleep and
    // hibernate: empty where possible, else the reason. A running session manager still
    // takes an unforced request (and can ask for a password itself).
    void probe_data()
    {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QStringList>("reasons");
        const QString none = "No system service here can ";
        const QString noHibernation = none + "hibernate the computer";
        QTest::newRow("GNOME runs")
            << QStringList{"CanPowerOff=challenge", "CanReboot=no",
                           "CanSuspend=challenge-inhibitor-blocked", "CanHibernate=na"}
            << QStringList{"", "", "This user may not restart the computer",
                           "Sleep needs a password here",
                           "Hibernation is turned off on this computer"};
        QTest::newRow("no session manager")
            << QStringList{"absent=gnome", "CanPowerOff=challenge", "CanReboot=inhibitor-blocked",
                           "CanSuspend=no", "CanHibernate=silent"}
            << QStringList{"", "Turning off the computer needs a password here", "",
                           "This user may not put the computer to sleep", noHibernation};
        // The screen's questions to a bus that is not there never end: the probe does.
        const QString noBus = "The system bus cannot be reached: Failed to connect to socket "
                              "/nonexistent/bus: No such file or directory";
        QTest::newRow("no system bus")
            << QStringList{"system=none"} << QStringList{"", "", "", noBus, noBus};
        QTest::newRow("neither") << QStringList{"absent=gnome,logind"}
                                 << QStringList{
                                        "No session manager or system service here can log off",
                                        none + "turn off the computer",
                                        none + "restart the computer",
                                        none + "put the computer to sleep", noHibernation};
    }
    void probe()
    {
        QFETCH(QStringList, rules);
        QFETCH(QStringList, reasons);
        Child mocks;
        DBusPowerRequester power = requester(mocks, rules, QString());
        QList<Capabilities> results;
        power.probe([&](const Capabilities &c) { results << c; });
        QCOMPARE(results.size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 3000);
        QStringList got;
        for (Action action : {Action::LogOff, Action::PowerOff, Action::Restart, Action::Sleep,
                              Action::Hibernate}) {
            const Capability &c = results[0][static_cast<std::size_t>(action)];
            got << (c.possible ? QString() : c.reason);
        }
        QCOMPARE(got, reasons);
        QTest::qWait(300);
        QCOMPARE(results.size(), 1);
    }
};

QTEST_GUILESS_MAIN(DBusPowerTest)
#include "tst_dbuspower.moc"
