// The Linux power back-end against python3-dbusmock on two private buses this test starts
// itself; the buses are handed to the requester, never put into the environment.
#include "platform/linux/DBusPowerRequester.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A child process that ends with the test: killed by its PID.
struct Child : QProcess
{
    ~Child() override
    {
        kill();
        waitForFinished();
    }
    QString firstLine()
    {
        while (!canReadLine() && waitForReadyRead(15000)) {
        }
        return QString::fromUtf8(readLine()).trimmed();
    }
};
} // namespace

class DBusPowerTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dirs[2];
    Child m_daemons[2];
    QString m_addresses[2]; // the "system" bus, the session bus

private slots:
    void initTestCase()
    {
        for (int i = 0; i < 2; ++i) {
            m_daemons[i].start(QStringLiteral("dbus-daemon"),
                               {"--session", "--nofork", "--print-address=1",
                                "--address=unix:dir=" + m_dirs[i].path()});
            m_addresses[i] = m_daemons[i].firstLine();
            QVERIFY2(m_addresses[i].startsWith("unix:"), "dbus-daemon did not start");
        }
    }

    // Each call as the mock saw it on the wire: member, signature, arguments.
    void request_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<int>("action"); // log off, power off, restart
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("error"); // empty when accepted
        QTest::addColumn<bool>("unanswered");
        const auto row = [](const char *name, const char *xdg, int action, bool force,
                            const QStringList &rules, const QStringList &calls,
                            const QString &error = {}, bool unanswered = false) {
            QTest::newRow(name) << QString::fromLatin1(xdg) << action << force << rules << calls
                                << error << unanswered;
        };
        const QString denied = "org.freedesktop.DBus.Error.AccessDenied";
        row("forced power off", "", 1, true, {}, {"PowerOffWithFlags t 16"});
        row("logind before 257", "", 1, true,
            {"PowerOffWithFlags=org.freedesktop.DBus.Error.InvalidArgs"},
            {"PowerOffWithFlags t 16", "PowerOff b 0"});
        row("cannot power off", "", 1, false, {"absent=gnome", "CanPowerOff=no"}, {"CanPowerOff"},
            "org.freedesktop.login1 CanPowerOff(): no");
        row("no session bus", "GNOME", 0, true, {"session=none"}, {"Terminate"});
        // The end-session dialog answers only when the session ends: accepted once the
        // bound runs out. A call that should answer and does not may still be carried out:
        // it is not refused, and no second request follows.
        row("GNOME dialog", "GNOME", 1, false, {"Shutdown=silent"}, {"Shutdown"});
        row("GNOME silent", "GNOME", 0, true, {"Logout=silent"}, {"Logout u 2"},
            "org.gnome.SessionManager Logout(2): no reply", true);
        row("logind silent", "", 1, true, {"PowerOffWithFlags=silent"}, {"PowerOffWithFlags t 16"},
            "org.freedesktop.login1 PowerOffWithFlags(0x10): no reply", true);
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
                denied + " (told by the mock)");
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
        Child mocks;
        mocks.start(QStringLiteral("/usr/bin/python3"),
                    QStringList{POWERMOCKS, m_addresses[0], m_addresses[1]} + rules);
        QCOMPARE(mocks.firstLine(), QStringLiteral("ready"));

        const QString session =
            rules.contains("session=none") ? "unix:path=/nonexistent/bus" : m_addresses[1];
        DBusPowerRequester power(QDBusConnection::connectToBus(m_addresses[0], "system"),
                                 QDBusConnection::connectToBus(session, session), xdg,
                                 std::chrono::milliseconds(400), std::chrono::milliseconds(800));
        QList<PowerResult> results;
        power.request(Action(action), force, [&](const PowerResult &r) { results << r; });
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 2000);
        QCOMPARE(results[0].error, error);
        QCOMPARE(results[0].accepted, error.isEmpty());
        QCOMPARE(results[0].unanswered, unanswered);
        while (mocks.waitForReadyRead(300)) {
        }
        QCOMPARE(QString::fromUtf8(mocks.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                 calls);
    }
};

QTEST_GUILESS_MAIN(DBusPowerTest)
#include "tst_dbuspower.moc"
