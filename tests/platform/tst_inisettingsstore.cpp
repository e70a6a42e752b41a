// The settings file: in the format QSettings wrote, every value read as plain text, replaced
// under QSettings' own lock without losing another writer's keys or any other byte, and never
// read or rewritten when it is not ours.
#include "../Files.h"
#include "platform/linux/IniSettingsStore.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <thread>

#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

class IniSettingsStoreTest : public QObject
{
    Q_OBJECT
    std::optional<QTemporaryDir> m_dir; // a fresh one for each test
    QString m_path;

private slots:
    void init() { m_path = m_dir.emplace().filePath("Orvanta.conf"); }

    // A file QSettings wrote for earlier versions loads the same texts, and a save changes it
    // byte for byte as QSettings would have (the groups and keys sorted by name, a key
    // removed with its line).
    void formatAsBefore_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const QString &text, const char *group = "Settings") {
            QTest::newRow(name) << QString(group) << text;
        };
        row("comma", "1,5");
        row("quotes, backslash", "say \"hi\" \\");
        row("edge spaces", " 7 ");
        row("non-ASCII", "h\u00e9 \u20ac\U0001f600");
        row("leading @", "@Variant(x)");
        row("control characters", QString("\t1\n\x01") + "b");
        row("NUL", QString("a") + QChar(0) + "1");
        row("separators, new group", "a;b=c", "Middle");
    }
    void formatAsBefore()
    {
        QFETCH(QString, group);
        QFETCH(QString, text);
        {
            QSettings old(m_path, QSettings::IniFormat);
            old.setValue("Other/k", "1");
            old.setValue(group + "/Action", text);
            old.setValue(group + "/Warning", "1");
            old.setValue("Zulu/k", text);
        }
        IniSettingsStore store(m_path, "Settings");
        QString error;
        QVERIFY(store.reload(&error));
        QCOMPARE(store.value("Action", "missing"), group == "Settings" ? text : "missing");
        const QString reference = m_dir->filePath("reference.conf");
        QVERIFY(QFile::copy(m_path, reference));
        {
            QSettings old(reference, QSettings::IniFormat);
            old.setValue("Settings/Time0", text);
            old.setValue("Settings/Action", "2");
            old.remove("Settings/Warning");
        }
        QVERIFY2(store.save({{"Time0", text}, {"Action", "2"}, {"Warning", std::nullopt}}, &error),
                 qPrintable(error));
        QCOMPARE(contents(m_path), contents(reference));
    }

    // Whatever the file holds is text: QSettings' typed forms are not unpacked, in any
    // spelling, nor are other groups read. Files of a megabyte made of one pathological
    // piece are read and saved at once; a save adds its line and keeps every other byte.
    void valuesAreText_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("action");
        const QString nul(1, QChar(0));
        const auto row = [](const char *name, const QByteArray &file, const QString &action) {
            QTest::newRow(name) << file << action;
        };
        const auto ours = [](const QByteArray &value) { return "[Settings]\nAction=" + value; };
        row("@DateTime", ours("@DateTime(\\0\\0\\0\\x10)"),
            "@DateTime(" + nul + nul + nul + "\x10)");
        row("quoted", ours("\"@Variant(\\0\\0\\0\\x7f)\""),
            "@Variant(" + nul + nul + nul + "\x7f)");
        row("escaped", ours("\\x40Variant(x)"), "@Variant(x)");
        row("in a list", ours("x, @Variant(\\0) ,\" y \""), "x, @Variant(" + nul + "),  y ");
        row("continued", ours("@Var\\\niant(x)\n"), "@Variant(x)");
        row("doubled @", ours("@@2"), "@2");
        row("open quote", ours("\"2"), "2");
        row("other groups",
            "\xef\xbb\xbf[Other]\nr=@Variant(\\0\\0\\0\\x7f)\n[settings]\nAction=1\n"
            "[Settings]\r\n; 2\r\nAction=1\r\nsub\\Action=0\r\n[Settings]\r\n Action = 2 ;c",
            "2");
        row("long line", ours(QByteArray(1000000, 'x')), QString(1000000, 'x'));
        row("continuations", ours(QByteArray("\\\n").repeated(500000) + "2"), "2");
        row("commas", ours(QByteArray(1000000, ',')), QString(", ").repeated(1000000));
        row("quotes", ours(QByteArray(999999, '"')), "");
        row("escapes", ours(QByteArray("\\x4").repeated(300000)), QString(300000, QChar(4)));
        row("NULs, bad UTF-8", ours(QByteArray(500000, '\0') + QByteArray(500000, '\xff')),
            QString(500000, QChar(0)) + QString(500000, QChar::ReplacementCharacter));
        row("CRLF lines",
            "[Settings]\r\n" + QByteArray("k=1\r\n").repeated(200000) + "Action=2\r\n", "2");
        row("groups", QByteArray("[Settings]\n").repeated(90000) + "Action=2", "2");
    }
    void valuesAreText()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, action);
        write(m_path, file);
        IniSettingsStore store(m_path, "Settings");
        QString error;
        QElapsedTimer took;
        took.start();
        QVERIFY(store.reload(&error));
        QCOMPARE(store.value("Action", "missing"), action);
        QVERIFY2(store.save({{"Time0", "9"}}, &error), qPrintable(error));
        QVERIFY(store.reload(&error));
        QCOMPARE(store.value("Time0", {}), "9");
        QCOMPARE(store.value("Action", "missing"), action);
        QVERIFY2(took.elapsed() < 5000, qPrintable(QString::number(took.elapsed())));
        // Past the new line, the old file (a last line left open is closed after it).
        QByteArray saved = contents(m_path);
        QVERIFY(saved.remove(saved.indexOf("Time0=9\n"), 8).startsWith(file));
        write(m_path, "[Settings]\nAction=3\n"); // edited by hand while the program runs
        QVERIFY(store.reload(&error));
        QCOMPARE(store.value("Action", {}), "3");
    }

    // A lock left by a process that has ended is taken over at once; one that is held or can
    // never be taken makes a save fail soon, never wait, and says why.
    void lockLeftBehind_data()
    {
        QTest::addColumn<int>("holder");
        QTest::addRow("an ended process") << 0;
        QTest::addRow("a folder") << 1;
        QTest::addRow("a running process") << 2;
    }
    void lockLeftBehind()
    {
        QFETCH(int, holder);
        QLockFile held(m_path + ".lock");
        if (holder == 0) // pid_max is never a running process
            write(held.fileName(), "4194304\norvanta\n\n");
        else
            QVERIFY(holder == 1 ? QDir().mkpath(held.fileName()) : held.tryLock(0));
        IniSettingsStore store(m_path, "Settings");
        QString error;
        QElapsedTimer took;
        took.start();
        QCOMPARE(store.save({{"Action", "1"}}, &error), holder == 0);
        QVERIFY(took.elapsed() < 2 * IniSettingsStore::LockWaitMs);
        const QString process = QString("process %1").arg(QCoreApplication::applicationPid());
        QVERIFY2(error.contains(holder == 1 ? held.fileName() : process) || !holder,
                 qPrintable(error));
    }

    // Another program holds the lock and rewrites the file after our load, once the save
    // waits (its first try at the lock reads who holds it): the save writes into that file.
    void anotherWriterIsWaitedFor()
    {
        write(m_path, "[Settings]\nAction=1\n");
        IniSettingsStore store(m_path, "Settings");
        QString error;
        QVERIFY(store.reload(&error));
        QLockFile lock(m_path + ".lock");
        QVERIFY(lock.tryLock(0));
        pollfd tried{::inotify_init1(IN_CLOEXEC), POLLIN, 0};
        QVERIFY(::inotify_add_watch(tried.fd, QFile::encodeName(lock.fileName()), IN_OPEN) >= 0);
        bool saved = false;
        std::thread saving([&] { saved = store.save({{"Time0", "8"}}, &error); });
        const bool waiting = ::poll(&tried, 1, 5000) == 1;
        write(m_path, "[Other]\nk=1\n\n[Settings]\nAction=2\n");
        lock.unlock();
        saving.join();
        ::close(tried.fd);
        QVERIFY(waiting);
        QVERIFY2(saved, qPrintable(error));
        QCOMPARE(contents(m_path), "[Other]\nk=1\n\n[Settings]\nAction=2\nTime0=8\n");
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

QTEST_GUILESS_MAIN(IniSettingsStoreTest)
#include "tst_inisettingsstore.moc"
