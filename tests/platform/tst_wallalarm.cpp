// The platform's alarm on the wall clock: it goes off at the moment, not before, and a start
// replaces the one before; stopped, it stays quiet. A new time zone makes it go off at once.
#include "../Files.h"
#include "core/Clock.h"
#include "platform/Platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

    // Linux: a new zone by a new link (as timedatectl makes it), then by its rules rewritten in
    // place; in a folder of the test's own, not /etc; zones without summer time. Windows: the
    // broadcast that follows a new zone or a set clock, which the alarms hear on a desktop.
    void goesOffWhenTheZoneChanges()
    {
#ifdef Q_OS_WIN
        const auto clock = Platform::makeClock();
        int wentOff = 0;
        const auto started = clock->makeWallAlarm([&] { ++wentOff; });
        const auto stopped = clock->makeWallAlarm([] { QFAIL("a stopped alarm went off"); });
        stopped->start(clock->now().addSecs(3600));
        stopped->stop();
        started->start(clock->now().addSecs(3600));
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(HWND_BROADCAST, WM_TIMECHANGE, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
        QTRY_COMPARE_WITH_TIMEOUT(wentOff, 1, 1000);
        SendMessageTimeoutW(HWND_BROADCAST, WM_TIMECHANGE, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
        QTest::qWait(300); // gone off already: not again
        QCOMPARE(wentOff, 1);
#elif !defined(Q_OS_LINUX)
        QSKIP("No way to change the zone here");
#else
        QTemporaryDir dir;
        const QString zoneFile = dir.filePath("etc/localtime"), tokyo = dir.filePath("tokyo");
        QFile kolkata("/usr/share/zoneinfo/Asia/Kolkata");
        if (!kolkata.open(QIODevice::ReadOnly) ||
            !QFile::copy("/usr/share/zoneinfo/Asia/Tokyo", tokyo))
            QSKIP("No time zone data");
        QVERIFY(QDir(dir.path()).mkdir("etc") && QFile::link(kolkata.fileName(), zoneFile));
        qputenv("ORVANTA_LOCALTIME", QFile::encodeName(zoneFile));
        // The C library reads the zone TZ names, as the file is not /etc/localtime.
        qputenv("TZ", "Asia/Kolkata");

        const auto clock = Platform::makeClock();
        QList<int> offsets; // now()'s offset from UTC each time the started alarm went off
        const auto started = clock->makeWallAlarm([&] { offsets << clock->now().offsetFromUtc(); });
        const auto stopped = clock->makeWallAlarm([] { QFAIL("a stopped alarm went off"); });
        stopped->start(clock->now().addSecs(3600));
        stopped->stop();
        started->start(clock->now().addSecs(3600));
        QVERIFY(QFile::link(tokyo, zoneFile + ".new")); // the folder changed, the zone not
        QTest::qWait(300);
        QCOMPARE(offsets, QList<int>());

        qputenv("TZ", "Asia/Tokyo");
        QCOMPARE(std::rename(qPrintable(zoneFile + ".new"), qPrintable(zoneFile)), 0);
        QTRY_COMPARE_WITH_TIMEOUT(offsets, QList<int>{9 * 3600}, 1000);

        started->start(clock->now().addSecs(3600));
        qputenv("TZ", "Asia/Kolkata");
        write(tokyo, kolkata.readAll());
        QTRY_COMPARE_WITH_TIMEOUT(offsets, (QList<int>{9 * 3600, 5 * 3600 + 1800}), 1000);
#endif
    }
};

QTEST_GUILESS_MAIN(WallAlarmTest)
#include "tst_wallalarm.moc"
