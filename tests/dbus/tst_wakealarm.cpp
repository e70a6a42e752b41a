// The wake through the user's systemd manager, against a mock of it on a private session bus:
// what the arming service sets, moves and removes, and the refusal of a manager too old.
#include "../Child.h"
#include "../ManualClock.h"
#include "../MemoryStore.h"
#include "core/ArmingService.h"
#include "core/WakeAlarm.h"
#include "platform/Platform.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QRegularExpression>
#include <QTest>

class WakeAlarmTest : public QObject
{
    Q_OBJECT
    PrivateBuses m_buses;

    void startMock(Child &mock, const QStringList &rules)
    {
        mock.start("/usr/bin/python3", QStringList{WAKEMOCKS, "-", m_buses.addresses[1]} + rules);
        QCOMPARE(mock.firstLine(), QStringLiteral("ready"));
    }

    // The timers the mock holds: "name|OnCalendar moment|WakeSystem|AccuracyUSec|service command",
    // joined; empty where exactly one is set to wake at `at`.
    static QString unitsBut(const QDateTime &at = {})
    {
        auto call = QDBusMessage::createMethodCall(
            "org.freedesktop.systemd1", "/org/freedesktop/systemd1", "org.orvanta.Test", "Units");
        const QString units =
            QDBusConnection::sessionBus().call(call).arguments().value(0).toStringList().join('\n');
        const QRegularExpression wanted(
            QStringLiteral("^orvanta-wake-\\d+-\\d+\\.timer\\|OnCalendar %1 UTC\\|True\\|1000000\\|"
                           "orvanta-wake-\\d+-\\d+\\.service /bin/true$")
                .arg(at.toUTC().toString("yyyy-MM-dd HH:mm:ss")));
        return at.isValid() && wanted.match(units).hasMatch() ? QString() : units;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_buses.start(), "dbus-daemon did not start");
        // Before anything joins the session bus: the program's seam joins the default one.
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_buses.addresses[1].toUtf8());
    }

    void probe_data()
    {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QString>("whyNot");
        QTest::newRow("systemd 256") << QStringList{"version=256.5-1"} << QString();
        QTest::newRow("Debian 12's systemd")
            << QStringList{"version=252.19-1~deb12u1"}
            << "This system cannot wake the computer at a time: systemd 252 does not let a "
               "user's timer wake it";
    }
    void probe()
    {
        QFETCH(QStringList, rules);
        QFETCH(QString, whyNot);
        Child mock;
        startMock(mock, rules);
        const auto wake = Platform::makeWakeAlarm();
        std::optional<QString> said;
        wake->probe([&said](const QString &why) { said = why; });
        QVERIFY(!said); // never from inside the call
        QTRY_VERIFY(said);
        QCOMPARE(*said, whyNot);
    }

    // Through the service: two minutes before the earlier of a time of day and a schedule,
    // moved by Postpone, gone with the schedule. A unit an earlier run left goes at the start;
    // answers come a second late, and a timer replaced meanwhile never stays.
    void service()
    {
        Child mock;
        startMock(mock, {"late", "leftover=orvanta-wake-1-3.timer"});
        ManualClock clock;
        struct : PowerRequester
        {
            void request(Action, bool, Done) override {}
        } power;
        MemoryStore store;
        const auto wake = Platform::makeWakeAlarm();
        ArmingService::Seams seams;
        seams.clock = &clock;
        seams.power = &power;
        seams.schedules = &store;
        seams.wake = wake.get();
        ArmingService service(seams);
        service.probeCapabilities();
        QTRY_VERIFY(service.capabilitiesKnown());
        QCOMPARE(service.wakeWhyNot(), QString());
        QTRY_COMPARE(unitsBut(), QString());

        ScheduleRule daily;
        daily.days = ScheduleRule::EveryDay;
        daily.hour = 16;
        daily.wake = true;
        QString error;
        QVERIFY(service.addSchedule(daily, &error));
        QVERIFY(service.hand().arm(
            {Action::PowerOff, false, TimeMode::TimeOfDay, {"15", "0", "0"}, {}, true}));
        const QDateTime three = clock.now().addSecs(30 * 60 + 10); // 15:00:00
        service.postponeAll(10 * 60);                              // before the first answer came
        QTRY_COMPARE(unitsBut(three.addSecs(10 * 60 - 120)), QString());
        service.stopAll();
        QTRY_COMPARE(unitsBut(three.addSecs(3600 - 120)), QString());
        QVERIFY(service.removeSchedule(service.schedules().front().key, &error));
        QTRY_COMPARE(unitsBut(), QString());
    }
};

QTEST_GUILESS_MAIN(WakeAlarmTest)
#include "tst_wakealarm.moc"
