// The settings file: one read, one atomic replacement, and nothing on disk can make a save
// wait or a start block.
#include "core/IniSettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class IniSettingsStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsOtherKeys()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Orvanta/Orvanta.conf"));
        QDir().mkpath(dir.filePath(QStringLiteral("Orvanta")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nAction=1, 2\nForce=@Variant(broken\nTime0=7\n[Other]\nKeep=yes\n");
        file.close();
        // A stale lock of QSettings' own that could never be taken.
        QVERIFY(QDir().mkpath(path + QStringLiteral(".lock")));
        IniSettingsStore store(path, QStringLiteral("Settings"));
        QCOMPARE(store.value(QStringLiteral("Action"), {}), QStringLiteral("1, 2"));
        QCOMPARE(store.value(QStringLiteral("Time0"), {}), QStringLiteral("7"));
        QCOMPARE(store.value(QStringLiteral("Missing"), QStringLiteral("d")), QStringLiteral("d"));
        QElapsedTimer took;
        took.start();
        QString error;
        QVERIFY2(store.save({{QStringLiteral("Time0"), QStringLiteral("8")}}, &error),
                 qPrintable(error));
        QVERIFY(took.elapsed() < 2000);
        IniSettingsStore again(path, QStringLiteral("Settings"));
        QCOMPARE(again.value(QStringLiteral("Time0"), {}), QStringLiteral("8"));
        QCOMPARE(IniSettingsStore(path, QStringLiteral("Other")).value(QStringLiteral("Keep"), {}),
                 QStringLiteral("yes"));
    }

    void notARegularFileIsMissingAndSavesFail()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("pipe.conf"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        IniSettingsStore fromPipe(pipe, QStringLiteral("Settings")); // must not block
        QCOMPARE(fromPipe.value(QStringLiteral("Action"), QStringLiteral("0")),
                 QStringLiteral("0"));

        const QString folder = dir.filePath(QStringLiteral("folder.conf"));
        QVERIFY(QDir().mkpath(folder));
        IniSettingsStore intoFolder(folder, QStringLiteral("Settings"));
        QString error;
        QVERIFY(!intoFolder.save({{QStringLiteral("Action"), QStringLiteral("1")}}, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(IniSettingsStoreTest)
#include "tst_inisettingsstore.moc"
