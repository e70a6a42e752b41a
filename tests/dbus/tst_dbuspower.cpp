// The Linux power back-end against python3-dbusmock on two private buses this test starts
// itself; the environment points at them before anything in the process touches D-Bus.

#include "../common/PowerCalls.h"
#include "platform/linux/LinuxPower.h"

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/prctl.h>

using namespace std::chrono_literals;

namespace {

// Children die with this process, also when it is killed on a timeout.
void dieWithParent()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

// Nothing activatable: a name is there only while a mock owns it.
const char *const BusConfig =
    "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
    " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
    "<busconfig>\n"
    "  <type>session</type>\n"
    "  <listen>unix:dir=%1</listen>\n"
    "  <auth>EXTERNAL</auth>\n"
    "  <policy context=\"default\">\n"
    "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
    "    <allow eavesdrop=\"true\"/>\n"
    "    <allow own=\"*\"/>\n"
    "  </policy>\n"
    "</busconfig>\n";

// Reads one line from a child within the deadline; empty when none came.
QString readLine(QProcess &process, QDeadlineTimer deadline)
{
    while (!process.canReadLine()) {
        if (process.state() == QProcess::NotRunning || deadline.hasExpired())
            return {};
        process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(2000);
}

class PrivateBus
{
public:
    ~PrivateBus() { stop(m_daemon); }

    QString start(const QString &dir)
    {
        QFile config(dir + "/bus.conf");
        if (!config.open(QIODevice::WriteOnly) ||
            config.write(QString::fromLatin1(BusConfig).arg(dir).toUtf8()) < 0)
            return {};
        config.close();
        m_daemon.setChildProcessModifier(dieWithParent);
        m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
        m_daemon.setStandardErrorFile(QProcess::nullDevice());
        m_daemon.start("dbus-daemon",
                       {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
        return readLine(m_daemon, QDeadlineTimer(5s));
    }

private:
    QProcess m_daemon;
};

// One set of mocks, and what crossed the buses since it was last asked.
class Mocks
{
public:
    ~Mocks() { stop(m_process); }

    bool start(const QString &system, const QString &session, const QStringList &rules)
    {
        m_process.setChildProcessModifier(dieWithParent);
        m_process.start("/usr/bin/python3", QStringList{POWERMOCKS, system, session} + rules);
        if (readLine(m_process, QDeadlineTimer(15s)) == "ready")
            return true;
        stop(m_process);
        qWarning("mocks did not start: %s", m_process.readAllStandardError().constData());
        return false;
    }

    QStringList calls()
    {
        QStringList lines;
        m_process.write("calls\n");
        const QDeadlineTimer deadline(5s);
        for (QString line = readLine(m_process, deadline); line != "end";
             line = readLine(m_process, deadline)) {
            if (line.isEmpty()) {
                lines << QString("(no end of the call list: state %1, exit %2) ")
                                 .arg(m_process.state())
                                 .arg(m_process.exitCode()) +
                             QString::fromUtf8(m_process.readAllStandardError());
                break;
            }
            lines << line;
        }
        return lines;
    }

private:
    QProcess m_process;
};

const PowerAction LogOff = PowerAction::LogOff;
const PowerAction PowerOff = PowerAction::PowerOff;
const PowerAction Restart = PowerAction::Restart;

using PowerCalls::gnome;
using PowerCalls::kde;
using PowerCalls::lxqt;
using PowerCalls::mate;
using PowerCalls::xfce;
QString ksmserver(const QString &args)
{
    return PowerCalls::ksmserver("logout(iii: " + args + ")");
}
QString logind(const QString &member)
{
    return PowerCalls::logind(member);
}
const QString Terminate = PowerCalls::terminate();

const QString Denied = "org.freedesktop.DBus.Error.AccessDenied";
const QString InvalidArgs = "org.freedesktop.DBus.Error.InvalidArgs";

} // namespace

class tst_DBusPower : public QObject
{
    Q_OBJECT

    QTemporaryDir m_systemDir, m_sessionDir;
    PrivateBus m_systemBus, m_sessionBus;
    QString m_system, m_session;
    // Starting the mocks is the slow part: consecutive rows with the same rules share
    // them. Only one set may be on the buses at a time, or two would own each name.
    std::unique_ptr<Mocks> m_mocks;
    QStringList m_rules;

    Mocks *mocksFor(const QStringList &rules)
    {
        if (m_mocks && m_rules == rules)
            return m_mocks.get();
        m_mocks.reset(); // gone before the next set asks for the names
        auto mocks = std::make_unique<Mocks>();
        if (!mocks->start(m_system, m_session, rules))
            return nullptr;
        m_mocks = std::move(mocks);
        m_rules = rules;
        return m_mocks.get();
    }

    DBusPowerRequester requester(const QString &xdg) const
    {
        return DBusPowerRequester(QDBusConnection(QStringLiteral("test-system")),
                                  QDBusConnection(QStringLiteral("test-session")), xdg);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_systemDir.isValid() && m_sessionDir.isValid());
        m_system = m_systemBus.start(m_systemDir.path());
        m_session = m_sessionBus.start(m_sessionDir.path());
        QVERIFY2(m_system.startsWith("unix:") && m_session.startsWith("unix:"),
                 "dbus-daemon did not start");
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_system.toUtf8());
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_session.toUtf8());
        QVERIFY(QDBusConnection::connectToBus(m_system, "test-system").isConnected());
        QVERIFY(QDBusConnection::connectToBus(m_session, "test-session").isConnected());
    }

    void cleanupTestCase()
    {
        m_mocks.reset();
        QDBusConnection::disconnectFromBus("test-system");
        QDBusConnection::disconnectFromBus("test-session");
    }

    void request_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<PowerAction>("action");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("waits");      // the answer is the bound running out
        QTest::addColumn<QString>("refusal"); // part of the error text

        const auto row = [](const char *name, const char *xdg, PowerAction action, bool force,
                            const QStringList &rules, bool accepted, const QStringList &calls,
                            bool waits = false, const QString &refusal = {}) {
            QTest::newRow(name) << QString(xdg) << action << force << rules << accepted << calls
                                << waits << refusal;
        };

        // Each distinct wire call once, every service on the bus.
        row("KDE log off", "KDE", LogOff, false, {}, true, {kde("logout()")});
        row("KDE power off", "KDE", PowerOff, false, {}, true, {kde("logoutAndShutdown()")});
        row("KDE restart", "KDE", Restart, false, {}, true, {kde("logoutAndReboot()")});
        row("GNOME log off", "GNOME", LogOff, false, {}, true, {gnome("Logout(u: 1)")});
        row("GNOME log off forced", "GNOME", LogOff, true, {}, true, {gnome("Logout(u: 2)")});
        row("GNOME power off", "GNOME", PowerOff, false, {}, true, {gnome("Shutdown()")});
        row("GNOME restart", "ubuntu:GNOME", Restart, false, {}, true, {gnome("Reboot()")});
        row("MATE log off", "MATE", LogOff, false, {}, true, {mate("Logout(u: 1)")});
        row("MATE log off forced", "MATE", LogOff, true, {}, true, {mate("Logout(u: 2)")});
        row("MATE power off", "MATE", PowerOff, false, {}, true, {mate("RequestShutdown()")});
        row("MATE restart", "MATE", Restart, false, {}, true, {mate("RequestReboot()")});
        row("Xfce log off", "XFCE", LogOff, false, {}, true, {xfce("Logout(bb: false, true)")});
        row("Xfce log off forced", "XFCE", LogOff, true, {}, true, {Terminate});
        row("Xfce power off", "XFCE", PowerOff, false, {}, true, {xfce("Shutdown(b: true)")});
        row("Xfce restart", "XFCE", Restart, false, {}, true, {xfce("Restart(b: true)")});
        // LXQt's session never answers: accepted once the bound has run out.
        row("LXQt log off", "LXQt", LogOff, false, {}, true, {lxqt("logout()")}, true);
        row("LXQt power off", "LXQt", PowerOff, false, {}, true, {lxqt("powerOff()")}, true);
        row("LXQt restart", "LXQt", Restart, false, {}, true, {lxqt("reboot()")}, true);
        row("LXQt restart forced", "LXQt", Restart, true, {}, true,
            {logind("RebootWithFlags(t: 16)")});
        row("no desktop log off", "", LogOff, false, {}, true, {Terminate});
        row("no desktop power off", "", PowerOff, false, {}, true,
            {logind("CanPowerOff()"), logind("PowerOffWithFlags(t: 0)")});
        row("no desktop restart", "", Restart, false, {}, true,
            {logind("CanReboot()"), logind("RebootWithFlags(t: 0)")});
        row("no desktop power off forced", "", PowerOff, true, {}, true,
            {logind("PowerOffWithFlags(t: 16)")});

        // Real errors that give way to the next step.
        row("Plasma before 5.25", "KDE", LogOff, false, {"absent=kde"}, true,
            {kde("logout()"), ksmserver("0, 0, 1")});
        row("KDE not running", "KDE", PowerOff, false, {"absent=kde", "absent=ksmserver"}, true,
            {kde("logoutAndShutdown()"), ksmserver("0, 2, 1"), logind("CanPowerOff()"),
             logind("PowerOffWithFlags(t: 0)")});
        row("GNOME not running", "GNOME", LogOff, false, {"absent=gnome"}, true,
            {gnome("Logout(u: 1)"), Terminate});
        row("GNOME without the method", "GNOME", PowerOff, false, {"gnome.Shutdown=missing"}, true,
            {gnome("Shutdown()"), logind("CanPowerOff()"), logind("PowerOffWithFlags(t: 0)")});
        row("logind without flags", "", Restart, true, {"logind.RebootWithFlags=missing"}, true,
            {logind("RebootWithFlags(t: 16)"), logind("Reboot(b: false)")});
        // systemd 252 takes flags 0 to 3 only.
        row("systemd 252 forced", "", PowerOff, true, {"logind.PowerOffWithFlags=oldflags"}, true,
            {logind("PowerOffWithFlags(t: 16)"), logind("PowerOff(b: false)")});

        // A refusal ends the chain; nothing more forceful follows.
        row("GNOME refuses", "GNOME", LogOff, true, {"gnome.Logout=" + Denied}, false,
            {gnome("Logout(u: 2)")}, false, "org.gnome.SessionManager Logout(2): " + Denied);
        row("KDE refuses", "KDE", PowerOff, false, {"kde.logoutAndShutdown=" + Denied}, false,
            {kde("logoutAndShutdown()")}, false, Denied);
        row("cannot power off", "", PowerOff, false, {"logind.CanPowerOff=no"}, false,
            {logind("CanPowerOff()")}, false, "CanPowerOff(): no");
        row("logind refuses forced", "KDE", PowerOff, true, {"logind.PowerOffWithFlags=" + Denied},
            false, {logind("PowerOffWithFlags(t: 16)")}, false, Denied);
        row("logind refuses flags 0", "", PowerOff, false,
            {"logind.PowerOffWithFlags=" + InvalidArgs}, false,
            {logind("CanPowerOff()"), logind("PowerOffWithFlags(t: 0)")}, false, InvalidArgs);
        row("session cannot end", "XFCE", LogOff, true, {"session.Terminate=" + Denied}, false,
            {Terminate}, false, "Terminate(): " + Denied);
        row("logind not there", "", PowerOff, true, {"absent=logind"}, false,
            {logind("PowerOffWithFlags(t: 16)"), logind("PowerOff(b: false)")}, false,
            "PowerOff(false): org.freedesktop.DBus.Error.ServiceUnknown");
        // Silence is an answer only from a session manager.
        row("GNOME answers only at the end", "GNOME", Restart, false, {"gnome.Reboot=silent"}, true,
            {gnome("Reboot()")}, true);
        row("logind silent", "", LogOff, false, {"session.Terminate=silent"}, false, {Terminate},
            true, "Terminate(): no reply");
    }

    void request()
    {
        QFETCH(QString, xdg);
        QFETCH(PowerAction, action);
        QFETCH(bool, force);
        QFETCH(QStringList, rules);
        QFETCH(bool, accepted);
        QFETCH(QStringList, calls);
        QFETCH(bool, waits);
        QFETCH(QString, refusal);

        Mocks *mocks = mocksFor(rules);
        QVERIFY(mocks);
        QElapsedTimer clock;
        clock.start();
        const PowerResult result = requester(xdg).request({action, force, 0});
        const qint64 elapsed = clock.elapsed();

        QCOMPARE(mocks->calls(), calls);
        QCOMPARE(result.accepted, accepted);
        if (accepted)
            QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        else
            QVERIFY2(result.error.contains(refusal), qPrintable(result.error));
        const qint64 bound = DBusPowerRequester::DefaultBound.count();
        // Qt's coarse timers may end the bound up to 5 % early.
        if (waits)
            QVERIFY2(elapsed >= bound * 95 / 100 - 20 && elapsed < bound + 1500,
                     qPrintable(QString::number(elapsed)));
        else
            QVERIFY2(elapsed < 1500, qPrintable(QString::number(elapsed)));
    }

    // The program's own requester joins the buses the environment names.
    void platformRequesterUsesEnvironment()
    {
        const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
        const auto restore = qScopeGuard([&] { qputenv("XDG_CURRENT_DESKTOP", desktop); });
        const std::unique_ptr<PowerRequester> power = makePlatformPowerRequester();

        Mocks *mocks = mocksFor({});
        QVERIFY(mocks);
        qputenv("XDG_CURRENT_DESKTOP", "MATE");
        QVERIFY(power->request({Restart, false, 2}).accepted);
        qputenv("XDG_CURRENT_DESKTOP", "");
        QVERIFY(power->request({PowerOff, true, 12}).accepted);
        QCOMPARE(mocks->calls(),
                 QStringList({mate("RequestReboot()"), logind("PowerOffWithFlags(t: 16)")}));
    }

    // Without a session bus the desktop's way is not there; logind still is.
    void noSessionBus()
    {
        Mocks *mocks = mocksFor({});
        QVERIFY(mocks);
        const QDBusConnection none =
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), "none");
        QVERIFY(!none.isConnected());
        DBusPowerRequester power(QDBusConnection(QStringLiteral("test-system")), none, "GNOME");
        const PowerResult result = power.request({LogOff, false, 0});
        QDBusConnection::disconnectFromBus("none");
        QCOMPARE(mocks->calls(), QStringList{Terminate});
        QVERIFY(result.accepted);
    }
};

QTEST_GUILESS_MAIN(tst_DBusPower)
#include "tst_dbuspower.moc"
