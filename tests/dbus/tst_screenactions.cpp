// Locking and turning off the display against mocks on two private buses this test starts
// itself, under an X server of its own (never the machine's display: the X server is asked
// first). Debian's Xvfb has no DPMS, so the X server's part is only ever "cannot"; its screen
// saver shows that the server's blanking is put back.
#include "../Child.h"
#include "platform/linux/ScreenActions.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>

constexpr int BoundMs = 1000;

// The X server's screen saver timeout, set first unless `set` is negative.
int saverTimeout(int set = -1)
{
    xcb_connection_t *x11 =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    if (set >= 0)
        xcb_set_screen_saver(x11, qint16(set), 0, XCB_BLANKING_DEFAULT, XCB_EXPOSURES_DEFAULT);
    auto *saver = xcb_get_screen_saver_reply(x11, xcb_get_screen_saver(x11), nullptr);
    const int timeout = saver ? saver->timeout : -1;
    std::free(saver);
    return timeout;
}

class ScreenActionsTest : public QObject
{
    Q_OBJECT
    PrivateBuses m_buses;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY2(m_buses.start(), "dbus-daemon did not start");
    }

    // The probe, then the request; every call as the mocks saw it on the wire ($pid: ours).
    void request_data()
    {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<bool>("lock"); // which the probe finds possible; else display off
        QTest::addColumn<bool>("canTurnOff");
        QTest::addColumn<QStringList>("calls"); // the probe's, then the request's
        QTest::addColumn<QString>("error");     // empty when accepted
        QTest::addColumn<int>("refusal");
        const auto row = [](const char *name, const QStringList &rules, bool lock, bool canTurnOff,
                            const QStringList &calls, const QString &error = {},
                            Refusal refusal = Refusal::Other) {
            QTest::newRow(name) << rules << lock << canTurnOff << calls << error << int(refusal);
        };
        const QString byPid = "GetSessionByPID u $pid";
        const QString noDisplayWay = "X server: no DPMS extension; "
                                     "org.gnome.Mutter.DisplayConfig: not on the session bus; "
                                     "org.kde.kglobalaccel: not on the session bus";
        // Locked once a locker says so (and not until then: e2e sleep_and_lock).
        row("a locker follows logind", {"follower"}, true, false,
            {byPid, byPid, "Lock", "SetLockedHint b 1"});
        // Outside any logind session the desktop's locker is asked, at each of its paths.
        row("the desktop's locker", {"session=none", "saver"}, true, false,
            {byPid, byPid, "Lock", "Lock", "GetActive"});
        row("nothing to ask", {"session=none"}, false, false, {byPid}, noDisplayWay,
            Refusal::NoService);
        row("GNOME", {"session=none", "mutter=0"}, false, true,
            {byPid, "Set ssv org.gnome.Mutter.DisplayConfig PowerSaveMode Int32(3)"});
        row("GNOME leaves the display on", {"session=none", "mutter=stuck"}, false, true,
            {byPid, "Set ssv org.gnome.Mutter.DisplayConfig PowerSaveMode Int32(3)"},
            "X server: no DPMS extension; org.gnome.Mutter.DisplayConfig PowerSaveMode=3: done; "
            "org.gnome.Mutter.DisplayConfig PowerSaveMode after 1000 ms: 0; "
            "org.kde.kglobalaccel: not on the session bus",
            Refusal::NotConfirmed);
        // A display that cannot save power (-1) is not asked to: Plasma's shortcut is.
        row("Plasma", {"session=none", "mutter=-1", "kde"}, false, true,
            {byPid, "shortcutNames", "shortcutNames", "invokeShortcut s Turn Off Screen"});
    }
    void request()
    {
        QFETCH(QStringList, rules);
        QFETCH(bool, lock);
        QFETCH(bool, canTurnOff);
        QFETCH(QStringList, calls);
        QFETCH(QString, error);
        QFETCH(int, refusal);
        calls.replaceInStrings("$pid", QString::number(QCoreApplication::applicationPid()));

        Child mocks;
        const QString *buses = m_buses.addresses;
        QCOMPARE(
            mocks.started("/usr/bin/python3", QStringList{SCREENMOCKS, buses[0], buses[1]} + rules),
            QStringLiteral("ready"));
        ScreenActions screen(QDBusConnection::connectToBus(buses[0], "system"),
                             QDBusConnection::connectToBus(buses[1], "session"), nullptr,
                             std::chrono::milliseconds(BoundMs));

        QList<Capability> probed;
        screen.probe([&](const Capability &l, const Capability &d) { probed << l << d; });
        QVERIFY(probed.isEmpty()); // never from inside probe()
        QTRY_COMPARE_WITH_TIMEOUT(probed.size(), 2, 3 * BoundMs);
        QCOMPARE((QList<bool>{probed[0].possible, probed[0].reason.isEmpty(), probed[1].possible,
                              probed[1].reason.isEmpty()}),
                 (QList<bool>{lock, lock, canTurnOff, canTurnOff}));
        QStringList seen = mocks.lines();

        QList<PowerResult> results;
        const int saver = saverTimeout();
        QElapsedTimer clock;
        clock.start();
        const auto done = [&](const PowerResult &r) { results << r; };
        lock ? screen.lock(done) : screen.displayOff(done);
        QVERIFY(results.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 6 * BoundMs);
        QCOMPARE(results[0].error, error);
        QCOMPARE(results[0].accepted, error.isEmpty());
        if (error.isEmpty()) // told when it was done, not when the bound ran out
            QVERIFY2(clock.elapsed() < BoundMs, qPrintable(QString::number(clock.elapsed())));
        else
            QCOMPARE(int(results[0].refusal), refusal);
        seen += mocks.lines();
        QCOMPARE(seen.join(" | "), calls.join(" | "));
        QCOMPARE(results.size(), 1);
        QCOMPARE(saverTimeout(), saver);
        if (lock || !error.isEmpty())
            return;
        // The server's blanking as it was before the display went off, whatever changed it
        // meanwhile, comes back with the first input and not before: turning DPMS off again
        // would turn the display back on.
        saverTimeout(saver + 60);
        QTest::qWait(200);
        QCOMPARE(saverTimeout(), saver + 60);
        QProcess::execute("xdotool", {"mousemove_relative", "--", "3", "3"});
        QTRY_COMPARE(saverTimeout(), saver);
    }
};

// An X server of the test's own, started before the toolkit connects to one.
int main(int argc, char **argv)
{
    Child xvfb;
    const QString display = xvfb.started("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
    qputenv("DISPLAY", (':' + display).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    ScreenActionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenactions.moc"
