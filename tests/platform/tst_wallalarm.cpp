// The platform's alarm on the wall clock: it goes off at the moment, not before, and a start
// replaces the one before; stopped, it stays quiet.
#include "core/Clock.h"
#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

class WallAlarmTest : public QObject
{
    Q_OBJECT
private slots:
    void goesOffAtTheMoment()
    {
        const auto clock = Platform::makeClock();
        QList<qint64> at; // ms since the start, one entry each time it went off
        QElapsedTimer elapsed;
        const auto alarm = clock->makeWallAlarm([&] { at << elapsed.elapsed(); });
        elapsed.start();
        alarm->start(clock->now().addMSecs(5000));
        alarm->start(clock->now().addMSecs(300)); // replaces the first
        QTRY_COMPARE_WITH_TIMEOUT(at.size(), 1, 2000);
        QVERIFY2(at[0] >= 299 && at[0] < 400, qPrintable(QString::number(at[0])));
        alarm->start(clock->now().addMSecs(200));
        alarm->stop();
        QTest::qWait(500);
        QCOMPARE(at.size(), 1);
        alarm->start(clock->now().addSecs(-60)); // past already: at once
        QTRY_COMPARE_WITH_TIMEOUT(at.size(), 2, 200);
    }
};

QTEST_GUILESS_MAIN(WallAlarmTest)
#include "tst_wallalarm.moc"
