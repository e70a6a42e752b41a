#include "settings/QSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <QThread>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

// The real store on a temporary $XDG_CONFIG_HOME, never the user's own file. Some cases
// run this program again as a child (a writer to kill, a writer without write access).
namespace {

const QString App = QStringLiteral("Orvanta");
const QString Section = QStringLiteral("Settings");
constexpr int BlobChars = 256 * 1024;

int runChild(const QByteArray &mode)
{
    const QStringList args = QCoreApplication::arguments();
    QSettingsStore store;
    if (mode == "loop") {
        const QString pad(BlobChars, QLatin1Char('x'));
        for (qint64 generation = 1;; ++generation)
            store.save(App, Section, QStringLiteral("Blob"),
                       QStringLiteral("%1:%2:%1").arg(generation).arg(pad));
    }
    // save KEY TEXT, then print the stored text of READKEY
    store.save(App, Section, args.value(1), args.value(2));
    QTextStream(stdout) << store.get(App, Section, args.value(3), QStringLiteral("<default>"));
    return 0;
}

} // namespace

class SettingsStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void fileLayout();
    void roundTrip_data();
    void roundTrip();
    void handEdited_data();
    void handEdited();
    void saveKeepsOtherKeys_data();
    void saveKeepsOtherKeys();
    void unwritableFolder();
    void folderIsAFile();
    void replacesFileWhole();
    void killedWhileSaving();

private:
    QString confDir() const { return m_xdg.path() + QStringLiteral("/Orvanta"); }
    QString confFile() const { return confDir() + QStringLiteral("/Orvanta.conf"); }
    void writeRaw(const QByteArray &content);
    QByteArray readRaw() const;
    // Runs this program as a child in `mode`; as root the child drops to nobody when asked.
    QString runChildSave(const QString &xdg, const QStringList &args, bool asNobody, int *exit);

    QTemporaryDir m_xdg;
    int m_stamp = 0;
};

void SettingsStoreTest::initTestCase()
{
    QVERIFY(m_xdg.isValid());
    QVERIFY(QFile::setPermissions(m_xdg.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner | QFile::ReadOther |
                                                    QFile::ExeOther));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_xdg.path()));
    // Children would otherwise inherit the mode of this process.
    qunsetenv("ORVANTA_STORE_CHILD");
    QSettings probe(QSettings::NativeFormat, QSettings::UserScope, App, App);
    QCOMPARE(probe.fileName(), confFile());
}

void SettingsStoreTest::init()
{
    QDir(confDir()).removeRecursively();
}

void SettingsStoreTest::writeRaw(const QByteArray &content)
{
    QVERIFY(QDir().mkpath(confDir()));
    QFile file(confFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    // QSettings caches a parsed file by size and time; a distinct time forces a new read.
    QVERIFY(file.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)).addSecs(++m_stamp),
                             QFileDevice::FileModificationTime));
}

QByteArray SettingsStoreTest::readRaw() const
{
    QFile file(confFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SettingsStoreTest::fileLayout()
{
    QSettingsStore store;
    store.save(App, Section, QStringLiteral("Action"), QStringLiteral("2"));
    store.save(App, Section, QStringLiteral("Time0"), QStringLiteral("07"));
    const QList<QByteArray> lines = readRaw().split('\n');
    QVERIFY2(lines.contains("[Settings]"), readRaw().constData());
    QVERIFY(lines.contains("Action=2"));
    QVERIFY(lines.contains("Time0=07"));
    QCOMPARE(store.get(App, Section, QStringLiteral("Time0"), QStringLiteral("0")),
             QStringLiteral("07"));
    QCOMPARE(store.get(App, Section, QStringLiteral("Force"), QStringLiteral("1")),
             QStringLiteral("1"));
    QCOMPARE(store.get(App, QStringLiteral("Other"), QStringLiteral("Time0"), QStringLiteral("d")),
             QStringLiteral("d"));
}

void SettingsStoreTest::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    const char *texts[] = {
        "07", "",   " 5 ",   "a, b",        "@Variant(x)", "@@",        "x=y",  "[Settings]",
        ";c", "#c", "\"q\"", "back\\slash", "a\nb",        "tab\there", "true", "@ByteArray(z)"};
    for (const char *text : texts)
        QTest::addRow("%s", QByteArray(text).replace('\n', "\\n").constData())
            << QString::fromUtf8(text);
    QTest::newRow("non-latin") << QString::fromUtf8("\u00fc\u0665\U0001F600");
    QTest::newRow("long") << QString(5000, QLatin1Char('9'));
}

void SettingsStoreTest::roundTrip()
{
    QFETCH(QString, text);
    QSettingsStore store;
    store.save(App, Section, QStringLiteral("CountDown1"), text);
    store.save(App, Section, QStringLiteral("Force"), QStringLiteral("0"));
    QCOMPARE(store.get(App, Section, QStringLiteral("CountDown1"), QStringLiteral("0")), text);
    QCOMPARE(store.get(App, Section, QStringLiteral("Force"), QStringLiteral("1")),
             QStringLiteral("0"));
}

// Files edited by hand: what get() makes of a key, and that one bad line spoils no other.
void SettingsStoreTest::handEdited_data()
{
    static const char nulBytes[] = "[Settings]\nTime2=7\n\0\0\0junk";
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QByteArray("[Settings]\nAction=2\n") << "Action"
                           << "2";
    QTest::newRow("list joined") << QByteArray("[Settings]\nAction=1, 2\n") << "Action"
                                 << "1, 2";
    QTest::newRow("rect is no text") << QByteArray("[Settings]\nForce=@Rect(1 2 3 4)\n") << "Force"
                                     << "<default>";
    QTest::newRow("broken variant")
        << QByteArray("[Settings]\nForce=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x2)\n") << "Force"
        << "<default>";
    QTest::newRow("byte array") << QByteArray("[Settings]\nTime0=@ByteArray(12)\n") << "Time0"
                                << "12";
    QTest::newRow("other section") << QByteArray("[Other]\nAction=2\n") << "Action"
                                   << "<default>";
    QTest::newRow("garbage before")
        << QByteArray("\x01\x02\xff\xfe garbage\n[Settings\n[Settings]\nTime1=5\n") << "Time1"
        << "5";
    QTest::newRow("no newline at end") << QByteArray("[Settings]\nTime2=9") << "Time2"
                                       << "9";
    QTest::newRow("crlf") << QByteArray("[Settings]\r\nTime2=8\r\n") << "Time2"
                          << "8";
    QTest::newRow("nul bytes") << QByteArray::fromRawData(nulBytes, sizeof nulBytes - 1) << "Time2"
                               << "7";
    QTest::newRow("binary noise") << QByteArray(4096, '\xff') << "Time2"
                                  << "<default>";
}

void SettingsStoreTest::handEdited()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeRaw(content);
    QSettingsStore store;
    QCOMPARE(store.get(App, Section, key, QStringLiteral("<default>")), expected);
}

void SettingsStoreTest::saveKeepsOtherKeys_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray keys = "[Other]\nKeep=yes\n[Settings]\nTime0=5\n";
    QTest::newRow("clean") << keys;
    QTest::newRow("garbage line") << QByteArray("\x01\xfe\xff junk ]]\n") + keys;
    QTest::newRow("unclosed group") << QByteArray("[Broken\nX=1\n") + keys;
    QTest::newRow("broken variant") << keys + "Force=@Variant(\\0\\0\\0\\x7f)\n";
}

void SettingsStoreTest::saveKeepsOtherKeys()
{
    QFETCH(QByteArray, content);
    writeRaw(content);
    QSettingsStore store;
    store.save(App, Section, QStringLiteral("Action"), QStringLiteral("1"));
    QCOMPARE(store.get(App, Section, QStringLiteral("Action"), QString()), QStringLiteral("1"));
    QCOMPARE(store.get(App, Section, QStringLiteral("Time0"), QString()), QStringLiteral("5"));
    QCOMPARE(store.get(App, QStringLiteral("Other"), QStringLiteral("Keep"), QString()),
             QStringLiteral("yes"));
}

QString SettingsStoreTest::runChildSave(const QString &xdg, const QStringList &args, bool asNobody,
                                        int *exit)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORVANTA_STORE_CHILD"), QStringLiteral("save"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), xdg);
    child.setProcessEnvironment(env);
    const QString self = QCoreApplication::applicationFilePath();
    if (asNobody && geteuid() == 0)
        child.start(QStringLiteral("setpriv"),
                    QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"), self} +
                        args);
    else
        child.start(self, args);
    if (!child.waitForFinished(20000)) {
        child.kill();
        child.waitForFinished(5000);
    }
    *exit = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    return QString::fromUtf8(child.readAllStandardOutput());
}

// A folder that cannot be written: the save fails quietly, the file stays byte for byte,
// and what it holds can still be read.
void SettingsStoreTest::unwritableFolder()
{
    if (geteuid() == 0 && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("root without setpriv cannot be denied write access");
    const QByteArray content = "[Settings]\nTime0=5\nAction=2\n";
    writeRaw(content);
    QVERIFY(QFile::setPermissions(confFile(), QFile::ReadOwner | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(confDir(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                 QFile::ExeOther));
    int exit = 0;
    const QString read = runChildSave(
        m_xdg.path(), {QStringLiteral("Action"), QStringLiteral("0"), QStringLiteral("Time0")},
        true, &exit);
    QVERIFY(
        QFile::setPermissions(confDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(exit, 0);
    QCOMPARE(read, QStringLiteral("5"));
    QCOMPARE(readRaw(), content);
    QCOMPARE(QDir(confDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"Orvanta.conf"});
}

// Where the folder should be there is a file: nothing is stored, nothing crashes.
void SettingsStoreTest::folderIsAFile()
{
    const QString xdg = m_xdg.path() + QStringLiteral("/blocked");
    QVERIFY(QDir().mkpath(xdg));
    QFile blocker(xdg + QStringLiteral("/Orvanta"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    int exit = 0;
    const QString read =
        runChildSave(xdg, {QStringLiteral("Action"), QStringLiteral("2"), QStringLiteral("Action")},
                     false, &exit);
    QCOMPARE(exit, 0);
    QCOMPARE(read, QStringLiteral("<default>"));
    QVERIFY(blocker.open(QIODevice::ReadOnly));
    QCOMPARE(blocker.readAll(), QByteArray("not a folder"));
}

// A save writes a new file and renames it over the old one: the old file is never
// truncated, so a reader holding it open still sees it whole.
void SettingsStoreTest::replacesFileWhole()
{
    QSettingsStore store;
    store.save(App, Section, QStringLiteral("Time0"), QStringLiteral("old"));
    const QByteArray before = readRaw();
    QFile held(confFile());
    QVERIFY(held.open(QIODevice::ReadOnly));
    struct stat oldStat
    {
    };
    QCOMPARE(fstat(held.handle(), &oldStat), 0);

    store.save(App, Section, QStringLiteral("Time0"), QString(10000, QLatin1Char('n')));
    struct stat newStat
    {
    };
    QCOMPARE(stat(QFile::encodeName(confFile()).constData(), &newStat), 0);
    QVERIFY(newStat.st_ino != oldStat.st_ino);
    QCOMPARE(held.readAll(), before);
    QVERIFY(readRaw().size() > 10000);
}

// What the frozen process `pid` was doing: whether it held an unnamed temporary file in the
// settings folder open (QSaveFile writes the new file there, then renames it into place).
bool writingTemporaryFile(qint64 pid, const QString &folder)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QString &fd : QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                                 QDir::NoDotAndDotDot)) {
        char buffer[4096];
        const QByteArray link = QFile::encodeName(fds + QLatin1Char('/') + fd);
        const ssize_t size = ::readlink(link.constData(), buffer, sizeof buffer);
        if (size <= 0)
            continue;
        const QString target = QFile::decodeName(QByteArray(buffer, size));
        if (target.startsWith(folder + QStringLiteral("/#")) ||
            (target.startsWith(folder + QStringLiteral("/Orvanta.conf.")) &&
             !target.endsWith(QLatin1String(".lock"))))
            return true;
    }
    return false;
}

bool waitUntilStopped(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    for (int i = 0; i < 2000; ++i) {
        if (!stat.open(QIODevice::ReadOnly))
            return false;
        const QByteArray line = stat.readAll();
        stat.close();
        const int paren = line.lastIndexOf(')');
        if (paren > 0 && line.mid(paren + 2, 1) == "T")
            return true;
        QThread::usleep(1000);
    }
    return false;
}

// A writer saving big values over and over is frozen at random moments, looked at, and
// killed. Every time, the file must hold a complete save, never a torn one, the other keys
// must stay, and the store must keep working after the stale lock the dead writer left.
// Kills that fell while the writer had its new file open show the test hit a save.
void SettingsStoreTest::killedWhileSaving()
{
    QSettingsStore store;
    store.save(App, QStringLiteral("Other"), QStringLiteral("Keep"), QStringLiteral("yes"));
    const QString self = QCoreApplication::applicationFilePath();
    int runs = 0, generations = 0, midWrite = 0;
    while (runs < 80 && (runs < 12 || midWrite < 3)) {
        ++runs;
        QProcess writer;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ORVANTA_STORE_CHILD"), QStringLiteral("loop"));
        writer.setProcessEnvironment(env);
        writer.start(self, QStringList{});
        QVERIFY(writer.waitForStarted(5000));
        QTest::qWait(40 + QRandomGenerator::global()->bounded(200));
        const qint64 pid = writer.processId();
        // Freeze the writer again and again until it is caught with the new file open, so
        // that the kill lands inside a save however fast the machine writes.
        QDeadlineTimer deadline(3000);
        bool caught = false;
        while (!caught && !deadline.hasExpired()) {
            QCOMPARE(::kill(pid, SIGSTOP), 0);
            QVERIFY(waitUntilStopped(pid));
            caught = writingTemporaryFile(pid, confDir());
            if (!caught) {
                QCOMPARE(::kill(pid, SIGCONT), 0);
                QThread::usleep(QRandomGenerator::global()->bounded(1500));
            }
        }
        if (caught)
            ++midWrite;
        writer.kill(); // SIGKILL: no cleanup runs
        QVERIFY(writer.waitForFinished(5000));

        const QString blob = store.get(App, Section, QStringLiteral("Blob"), QStringLiteral("-"));
        if (blob != QLatin1String("-")) {
            const QStringList parts = blob.split(QLatin1Char(':'));
            QVERIFY2(parts.size() == 3 && parts[1].size() == BlobChars &&
                         parts[1].count(QLatin1Char('x')) == BlobChars && parts[0] == parts[2],
                     qPrintable(
                         QStringLiteral("torn after run %1, %2 chars").arg(runs).arg(blob.size())));
            generations = qMax(generations, parts[0].toInt());
        }
        QCOMPARE(store.get(App, QStringLiteral("Other"), QStringLiteral("Keep"), QString()),
                 QStringLiteral("yes"));
    }
    qInfo("%d writers killed, %d of them while writing the new file, up to %d saves per writer",
          runs, midWrite, generations);
    QVERIFY(generations >= 2);
    QVERIFY2(midWrite >= 1, "no kill fell inside a save; the test proved nothing");
    store.save(App, Section, QStringLiteral("Blob"), QStringLiteral("after"));
    QCOMPARE(store.get(App, Section, QStringLiteral("Blob"), QString()), QStringLiteral("after"));
}

int main(int argc, char **argv)
{
    const QByteArray child = qgetenv("ORVANTA_STORE_CHILD");
    QCoreApplication app(argc, argv);
    if (!child.isEmpty())
        return runChild(child);
    SettingsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore.moc"
