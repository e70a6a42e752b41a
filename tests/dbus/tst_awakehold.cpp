// The hold that keeps the computer awake, on the arming service with the real requester,
// against the mocks of powermocks.py on two private buses: which desktop service holds it,
// and that it is let go before the request reaches logind (the mocks print what they see
// in the order they see it) or when the armed item is stopped.
#include "../Child.h"
#include "../ManualClock.h"
#include "core/ArmingService.h"
#include "platform/linux/DBusAwakeHold.h"
#include "platform/linux/DBusPowerRequester.h"

#include <QTest>

class AwakeHoldTest : public QObject
{
    Q_OBJECT
    PrivateBuses m_buses;

private slots:
    void initTestCase() { QVERIFY2(m_buses.start(), "dbus-daemon did not start"); }

    void hold_data()
    {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<bool>("due"); // else stopped
        // The start of each line the mocks print, in order.
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("holder");
        const QString gnome = "Inhibit susu Orvanta 0 An action is armed for later 4";
        const QStringList request{"CanSuspend", "SuspendWithFlags t 0"};
        // The request waits for the answer, given once the session manager has let go of
        // its own sleep lock.
        QTest::newRow("GNOME") << QStringList{"Uninhibit=late"} << true
                               << QStringList{gnome, "Uninhibit u 7", "Uninhibit answered"} +
                                      request
                               << "GNOME session manager";
        QTest::newRow("KDE or Xfce")
            << QStringList{"absent=gnome", "pm"} << true
            << QStringList{"Inhibit ss Orvanta An action is armed for later", "UnInhibit u 9"} +
                   request
            << "the desktop's power management";
        // The portal's failure is read: logind's idle lock is taken instead, and closed
        // before the request.
        QTest::newRow("portal refuses")
            << QStringList{"absent=gnome", "portal=refuse"} << true
            << QStringList{"Inhibit sua{sv} 4", "Inhibit ssss idle Orvanta", "idle lock closed"} +
                   request
            << "logind's idle lock";
        // Not asked for (read by the test, not the mocks): nothing held, a wait aside.
        QTest::newRow("countdown not kept awake")
            << QStringList{"keepAwake=off"} << true << request << QString();
        QTest::newRow("stopped") << QStringList{} << false << QStringList{gnome, "Uninhibit u 7"}
                                 << "GNOME session manager";
        // Stopped before the answer came: let go as soon as it comes.
        QTest::newRow("answered late")
            << QStringList{"Inhibit=late"} << false
            << QStringList{gnome, "Inhibit answered", "Uninhibit u 7"} << QString();
    }
    void hold()
    {
        QFETCH(QStringList, rules);
        QFETCH(bool, due);
        QFETCH(QStringList, seen);
        QFETCH(QString, holder);
        Child mocks;
        mocks.start("/usr/bin/python3",
                    QStringList{POWERMOCKS, m_buses.addresses[0], m_buses.addresses[1]} + rules);
        QCOMPARE(mocks.firstLine(), QString("ready"));
        const auto bus = [](const QString &address) {
            return QDBusConnection::connectToBus(address, address);
        };
        DBusPowerRequester power(bus(m_buses.addresses[0]), bus(m_buses.addresses[1]), QString());
        DBusAwakeHold awake(bus(m_buses.addresses[0]), bus(m_buses.addresses[1]));
        ManualClock clock;
        ArmingService::Seams seams;
        seams.clock = &clock;
        seams.power = &power;
        seams.awake = &awake;
        ArmingService service(seams);
        service.setWarning(0, false, {});
        service.setKeepAwake(!rules.contains("keepAwake=off"));
        QVERIFY(
            service.hand().arm({Action::Sleep, false, TimeMode::Countdown, {"0", "0", "5"}, {}}));
        QTRY_COMPARE(awake.holder(), holder);
        if (due)
            clock.advance(6000);
        else
            service.stopAll();
        // Read as it comes, the event loop running: the request waits for answers.
        QString out;
        const auto seenSoFar = [&] {
            out += QString::fromUtf8(mocks.readAllStandardOutput());
            return out.count(u'\n');
        };
        QTRY_VERIFY2_WITH_TIMEOUT(seenSoFar() >= seen.size(), qPrintable(out), 4000);
        QTest::qWait(300); // and nothing more meanwhile
        seenSoFar();
        const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), seen.size());
        for (qsizetype i = 0; i < seen.size(); ++i)
            QVERIFY2(lines[i].startsWith(seen[i]), qPrintable(lines.join(" | ")));
        QCOMPARE(awake.holder(), QString());
    }
};

QTEST_GUILESS_MAIN(AwakeHoldTest)
#include "tst_awakehold.moc"
