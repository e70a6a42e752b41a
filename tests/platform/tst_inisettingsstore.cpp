// The settings file: read afresh on each load, replaced atomically under QSettings' own lock
// without losing another writer's keys, and never read or rewritten when it is not ours.
#include "platform/linux/IniSettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

namespace {
void write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}
const QString group = QStringLiteral("Settings");
} // namespace

class IniSettingsStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void loadRereadsAndSaveKeepsOtherKeys()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Orvanta.conf"));
        write(path, "[Settings]\nAction=1, 2\nForce=@Variant(broken\nTime0=7\n[Other]\nKeep=yes\n");
        IniSettingsStore store(path, group);
        QString error;
        QVERIFY(store.reload(&error));
        QCOMPARE(store.value(QStringLiteral("Action"), {}), QStringLiteral("1, 2"));
        // Edited by hand while the program runs: the next load sees it.
        write(path, "[Settings]\nTime0=9\nNew=x\n[Other]\nKeep=yes\n");
        QVERIFY(store.reload(&error));
        QCOMPARE(store.value(QStringLiteral("Time0"), {}), QStringLiteral("9"));
        QVERIFY2(store.save({{QStringLiteral("Time0"), QStringLiteral("8")}}, &error),
                 qPrintable(error));
        const QSettings saved(path, QSettings::IniFormat);
        QCOMPARE(saved.value(QStringLiteral("Settings/Time0")).toString(), QStringLiteral("8"));
        QCOMPARE(saved.value(QStringLiteral("Settings/New")).toString(), QStringLiteral("x"));
        QCOMPARE(saved.value(QStringLiteral("Other/Keep")).toString(), QStringLiteral("yes"));
    }

    // A lock left by a process that has ended is taken over at once; one that can never be
    // taken makes a save fail soon, never wait.
    void lockLeftBehind_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addRow("of an ended process") << false;
        QTest::addRow("a folder") << true;
    }
    void lockLeftBehind()
    {
        QFETCH(bool, folder);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Orvanta.conf"));
        const QString lock = path + QStringLiteral(".lock");
        if (folder)
            QVERIFY(QDir().mkpath(lock));
        else // pid_max is never a running process
            write(lock, "4194304\norvanta\n\n");
        IniSettingsStore store(path, group);
        QString error;
        QElapsedTimer took;
        took.start();
        QCOMPARE(store.save({{QStringLiteral("Action"), QStringLiteral("1")}}, &error), !folder);
        QVERIFY(took.elapsed() < 2 * IniSettingsStore::LockWaitMs);
        QCOMPARE(error.contains(lock), folder);
    }

    // Another program changes the same file through QSettings (read, change, rename under
    // the lock) key by key while we save again and again: none of its keys may be lost.
    void anotherWritersKeysSurvive()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Orvanta.conf"));
        const int keys = 12;
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--write"), path, QString::number(keys)});
        QVERIFY(writer.waitForStarted());
        IniSettingsStore store(path, group);
        // Saving half of the time, however fast the disk is: without the lock about every
        // second key of the writer's would be lost.
        for (int i = 0; !writer.waitForFinished(0); ++i) {
            QString error;
            QElapsedTimer took;
            took.start();
            QVERIFY2(store.save({{QStringLiteral("Mine"), QString::number(i)}}, &error),
                     qPrintable(error));
            QThread::msleep(took.elapsed() + 1);
        }
        QCOMPARE(writer.exitCode(), 0);
        const QSettings saved(path, QSettings::IniFormat);
        QVERIFY(saved.contains(QStringLiteral("Settings/Mine")));
        for (int i = 0; i < keys; ++i)
            QVERIFY2(saved.contains(QStringLiteral("Other/k%1").arg(i)),
                     qPrintable(QString::number(i)));
    }

    // Not a file this program could have written: named in the message, the defaults used,
    // and left exactly as it is.
    void foreignFile_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"pipe", "folder", "huge"})
            QTest::addRow("%s", kind) << QString::fromLatin1(kind);
    }
    void foreignFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Orvanta.conf"));
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else
            write(path,
                  "[Settings]\nAction=2\n;" + QByteArray(IniSettingsStore::MaximumFileSize, 'x'));
        const qint64 size = QFileInfo(path).size();
        IniSettingsStore store(path, group);
        QString error;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not read$")));
        QVERIFY(!store.reload(&error)); // a pipe must not block it
        QVERIFY2(error.contains(path), qPrintable(error));
        QCOMPARE(store.value(QStringLiteral("Action"), QStringLiteral("0")), QStringLiteral("0"));
        error.clear();
        QVERIFY(!store.save({{QStringLiteral("Action"), QStringLiteral("1")}}, &error));
        QVERIFY2(error.contains(path), qPrintable(error));
        QCOMPARE(QFileInfo(path).size(), size);
    }
};

int main(int argc, char **argv)
{
    // The other writer of anotherWritersKeysSurvive(), as a process of its own.
    if (argc == 4 && qstrcmp(argv[1], "--write") == 0) {
        for (int i = 0; i < QByteArray(argv[3]).toInt(); ++i) {
            QSettings settings(QString::fromLocal8Bit(argv[2]), QSettings::IniFormat);
            settings.setValue(QStringLiteral("Other/k%1").arg(i), i);
            settings.sync();
            QThread::msleep(3);
        }
        return 0;
    }
    QCoreApplication app(argc, argv);
    IniSettingsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_inisettingsstore.moc"
