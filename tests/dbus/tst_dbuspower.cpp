// The Linux power back-end against python3-dbusmock on two private buses this test starts
// itself; the buses are handed to the requester, never put into the environment.
#include "../Child.h"
#include "platform/linux/DBusPowerRequester.h"

#include <QTest>

class DBusPowerTest : public QObject
{
    Q_OBJECT
    PrivateBuses m_buses;

    // The mocks started with these rules, and a requester on the buses (`session`: another).
    DBusPowerRequester requester(Child &mocks, const QStringList &rules, const QString &xdg,
                                 const QString &session = {})
    {
        mocks.start("/usr/bin/python3",
                    QStringList{POWERMOCKS, m_buses.addresses[0], m_buses.addresses[1]} + rules);
        if (mocks.firstLine() != QLatin1String("ready"))
            qFatal("the mocks did not start");
        const QString address = session.isEmpty() ? m_buses.addresses[1] : session;
        return DBusPowerRequester(QDBusConnection::connectToBus(m_buses.addresses[0], "system"),
                                  QDBusConnection::connectToBus(address, address), xdg,
                                  std::chrono::milliseconds(400), std::chrono::milliseconds(800));
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
        QTest::addColumn<QString>("error"); // empty when accepted
        QTest::addColumn<bool>("unanswered");
        QTest::addColumn<QString>("detail");
        const auto row = [](const char *name, const char *xdg, int action, bool force,
                            const QStringList &rules, const QStringList &calls,
                            const QString &error = {}, bool unanswered = false,
                            const QString &detail = {}) {
            QTest::newRow(name) << QString::fromLatin1(xdg) << action << force << rules << calls
                                << error << unanswered << detail;
        };
        const QString denied = "org.freedesktop.DBus.Error.AccessDenied";
        const QString blocked = "org.freedesktop.login1.BlockedByInhibitorLock";
        row("logind before 257", "", 1, true,
            {"PowerOffWithFlags=org.freedesktop.DBus.Error.InvalidArgs"},
            {"PowerOffWithFlags t 16", "PowerOff b 0"});
        row("no session bus", "GNOME", 0, true, {"session=none"}, {"Terminate"});
        // The end-session dialog answers only when the session ends: accepted once the
        // bound runs out. A call that should answer and does not may still be carried out:
        // it is not refused, and no second request follows (tst_powerchain: silent calls).
        row("GNOME dialog", "GNOME", 1, false, {"Shutdown=silent"}, {"Shutdown"});
        row("logind's own wait ran out", "", 2, false,
            {"absent=gnome", "RebootWithFlags=org.freedesktop.DBus.Error.Timeout"},
            {"CanReboot", "RebootWithFlags t 0"},
            "org.freedesktop.login1 CanReboot(): yes; org.freedesktop.login1 RebootWithFlags(0x0): "
            "no reply (org.freedesktop.DBus.Error.Timeout)",
            true);
        // The session manager that runs is asked, whatever the desktop's name; without one,
        // nothing ends the session unasked.
        row("a manager the name does not tell", "Pantheon", 0, false, {}, {"Logout u 1"});
        row("no manager runs", "GNOME", 0, false, {"absent=gnome"}, {}, "nothing to call");
        row("refused, every step named", "GNOME", 0, true,
            {"Logout=org.freedesktop.DBus.Error.ServiceUnknown", "Terminate=" + denied},
            {"Logout u 2", "Terminate"},
            "org.gnome.SessionManager Logout(2): org.freedesktop.DBus.Error.ServiceUnknown; "
            "org.freedesktop.login1 Terminate(): " +
                denied + " (told by the mock)",
            false, "told by the mock");
        // Sleeping is logind's alone, though GNOME's manager runs.
        row("sleep", "GNOME", 3, false, {}, {"CanSuspend", "SuspendWithFlags t 0"});
        row("hibernate before the flags", "", 4, false,
            {"HibernateWithFlags=org.freedesktop.DBus.Error.UnknownMethod"},
            {"CanHibernate", "HibernateWithFlags t 0", "Hibernate b 0"});
        // Only the block inhibitors against this action are named.
        row("who holds it", "", 3, false, {"SuspendWithFlags=" + blocked, "inhibitors=held"},
            {"CanSuspend", "SuspendWithFlags t 0", "ListInhibitors"},
            "org.freedesktop.login1 CanSuspend(): yes; org.freedesktop.login1 "
            "SuspendWithFlags(0x0): " +
                blocked + " (told by the mock)",
            false, "Held by \"Firefox\" (PID 1234): Playing video\nHeld by \"backup\" (PID 99)");
        row("who holds it unknown", "", 2, false,
            {"absent=gnome", "RebootWithFlags=" + blocked, "ListInhibitors=" + denied},
            {"CanReboot", "RebootWithFlags t 0", "ListInhibitors"},
            "org.freedesktop.login1 CanReboot(): yes; org.freedesktop.login1 "
            "RebootWithFlags(0x0): " +
                blocked + " (told by the mock)",
            false, "told by the mock");
    }
    void request()
    {
        QFETCH(QString, xdg);
        QFETCH(int, action);
        QFETCH(bool, force);
        QFETCH(QStringList, rules);
        QFETCH(QStringList, calls);
        QFETCH(QString, error);
        QFETCH(bool, unanswered);
        QFETCH(QString, detail);
        Child mocks;
        DBusPowerRequester power = requester(
            mocks, rules, xdg, rules.contains("session=none") ? "unix:path=/nonexistent/bus" : "");
        QList<PowerResult> results;
        power.request(Action(action), force, [&](const PowerResult &r) { results << r; });
        QCOMPARE(results.size(), 0); // never from inside the request
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 2000);
        QCOMPARE(results[0].error, error);
        QCOMPARE(results[0].accepted, error.isEmpty());
        QCOMPARE(results[0].unanswered, unanswered);
        QCOMPARE(results[0].detail, detail);
        QCOMPARE(mocks.lines(), calls);
    }

    // What each of logind's answers means for log off, power off, restart, sleep and
    // hibernate: empty where possible, else the reason. A running session manager still
    // takes an unforced request (and can ask for a password itself).
    void probe_data()
    {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QStringList>("reasons");
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
                           "This user may not put the computer to sleep",
                           "No system service here can hibernate the computer"};
        const QString noSleep = "No system service here can put the computer to sleep";
        const QString noHibernation = "No system service here can hibernate the computer";
        QTest::newRow("no logind")
            << QStringList{"absent=logind"} << QStringList{"", "", "", noSleep, noHibernation};
        QTest::newRow("neither") << QStringList{"absent=gnome,logind"}
                                 << QStringList{
                                        "No session manager or system service here can log off",
                                        "No system service here can turn off the computer",
                                        "No system service here can restart the computer", noSleep,
                                        noHibernation};
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
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 2000);
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
