// The settings file: read afresh on each load, replaced under QSettings' own lock without
// losing another writer's keys, and never read or rewritten when it is not ours.
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

#include <optional>

#include <sys/stat.h>

namespace {
void write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

class IniSettingsStoreTest : public QObject
{
    Q_OBJECT
    std::optional<QTemporaryDir> m_dir; // a fresh one for each test
    QString m_path;

private slots:
    void init() { m_path = m_dir.emplace().filePath("Orvanta.conf"); }

    void loadRereadsAndSaveKeepsOtherKeys()
    {
        write(m_path,
              "[Settings]\nAction=1, 2\nForce=@Variant(broken\nTime0=7\n[Other]\nKeep=yes\n");
        IniSettingsStore store(m_path, "Settings");
        QString error;
        QVERIFY(store.reload(&error));
        QCOMPARE(store.value("Action", {}), "1, 2");
        // Edited by hand while the program runs: the next load sees it.
        write(m_path, "[Settings]\nTime0=9\nNew=x\n[Other]\nKeep=yes\n");
        QVERIFY(store.reload(&error));
        QCOMPARE(store.value("Time0", {}), "9");
        QVERIFY2(store.save({{"Time0", "8"}}, &error), qPrintable(error));
        const QSettings saved(m_path, QSettings::IniFormat);
        QCOMPARE(saved.value("Settings/Time0").toString(), "8");
        QCOMPARE(saved.value("Settings/New").toString(), "x");
        QCOMPARE(saved.value("Other/Keep").toString(), "yes");
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
        const QString lock = m_path + ".lock";
        if (folder)
            QVERIFY(QDir().mkpath(lock));
        else // pid_max is never a running process
            write(lock, "4194304\norvanta\n\n");
        IniSettingsStore store(m_path, "Settings");
        QString error;
        QElapsedTimer took;
        took.start();
        QCOMPARE(store.save({{"Action", "1"}}, &error), !folder);
        QVERIFY(took.elapsed() < 2 * IniSettingsStore::LockWaitMs);
        QCOMPARE(error.contains(lock), folder);
    }

    // Another program changes the same file through QSettings (read, change, rename under
    // the lock) key by key while we save again and again: none of its keys may be lost.
    void anotherWritersKeysSurvive()
    {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {"--write", m_path});
        QVERIFY(writer.waitForStarted());
        IniSettingsStore store(m_path, "Settings");
        // Saving half of the time, however fast the disk is: without the lock about every
        // second key of the writer's would be lost.
        for (int i = 0; !writer.waitForFinished(0); ++i) {
            QString error;
            QElapsedTimer took;
            took.start();
            QVERIFY2(store.save({{"Mine", QString::number(i)}}, &error), qPrintable(error));
            QThread::msleep(took.elapsed() + 1);
        }
        QCOMPARE(writer.exitCode(), 0);
        const QSettings saved(m_path, QSettings::IniFormat);
        QVERIFY(saved.contains("Settings/Mine"));
        for (int i = 0; i < 12; ++i)
            QVERIFY2(saved.contains(QString("Other/k%1").arg(i)), qPrintable(QString::number(i)));
    }

    // Not a file this program could have written (a folder is no regular file either): named
    // in the message, the defaults used, and left exactly as it is.
    void foreignFile_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"pipe", "huge"})
            QTest::addRow("%s", kind) << QString(kind);
    }
    void foreignFile()
    {
        QFETCH(QString, kind);
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(m_path).constData(), 0600), 0);
        else
            write(m_path,
                  "[Settings]\nAction=2\n;" + QByteArray(IniSettingsStore::MaximumFileSize, 'x'));
        const qint64 size = QFileInfo(m_path).size();
        IniSettingsStore store(m_path, "Settings");
        QString error;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not read$"));
        QVERIFY(!store.reload(&error)); // a pipe must not block it
        QVERIFY2(error.contains(m_path), qPrintable(error));
        QCOMPARE(store.value("Action", "0"), "0");
        error.clear();
        QVERIFY(!store.save({{"Action", "1"}}, &error));
        QVERIFY2(error.contains(m_path), qPrintable(error));
        QCOMPARE(QFileInfo(m_path).size(), size);
    }
};

int main(int argc, char **argv)
{
    // The other writer of anotherWritersKeysSurvive(), as a process of its own.
    if (argc == 3 && qstrcmp(argv[1], "--write") == 0) {
        for (int i = 0; i < 12; ++i) {
            QSettings settings(QString::fromLocal8Bit(argv[2]), QSettings::IniFormat);
            settings.setValue(QString("Other/k%1").arg(i), i);
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
