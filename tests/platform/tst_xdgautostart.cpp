// The session's entry: launched the way GLib launches it at login (GNOME's and other sessions
// read it with GLib), it starts the program wherever it lies, with --autostart; a file of the
// same name that is not ours, or that the user turned off, is neither rewritten nor removed.
#include "platform/linux/XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

const QByteArray Marked = "[Desktop Entry]\nType=Application\nName=Orvanta\n"
                          "Exec=\"/old place/orvanta\" --autostart\nX-Orvanta-Autostart=true\n";
} // namespace

class XdgAutostartTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    int m_row = 0;

private slots:
    void entry_data()
    {
        QTest::addColumn<QString>("folder");    // where the program lies
        QTest::addColumn<QByteArray>("before"); // the file already there, if any
        QTest::addColumn<bool>("ours");         // whether it is written and later removed
        QTest::newRow("space, %, quotes, shell")
            << "100% sure %u back\\slash \\\\ \"q\" 'q' $HOME `id` ; & | * ~ # = ( )"
            << QByteArray() << true;
        QTest::newRow("non-ASCII") << QString("Zeitpl\u00e4ne \u2713") << QByteArray() << true;
        QTest::newRow("ours, program moved") << "new place" << Marked << true;
        QTest::newRow("another program")
            << "p" << QByteArray("[Desktop Entry]\nType=Application\nExec=/usr/bin/other\n")
            << false;
        QTest::newRow("copied by desktop settings")
            << "p" << QByteArray("[Desktop Entry]\nType=Application\nExec=orvanta\n") << false;
        QTest::newRow("ours, Hidden") << "p" << Marked + "Hidden=true\n" << false;
        QTest::newRow("ours, turned off in GNOME")
            << "p" << Marked + "X-GNOME-Autostart-enabled=false\n"
            << false;
    }
    void entry()
    {
        QFETCH(QString, folder);
        QFETCH(QByteArray, before);
        QFETCH(bool, ours);
        const QString row = m_dir.filePath(QString::number(++m_row));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(row + "/config"));
        const QString program = row + '/' + folder + "/orvanta";
        const QString started = row + "/started";
        write(program, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" >\"$STARTED\"\n");
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));

        XdgAutostart autostart(program);
        const QString path = autostart.location();
        QCOMPARE(path, row + "/config/autostart/orvanta.desktop");
        if (!before.isEmpty())
            write(path, before);
        QVERIFY(!autostart.isEnabled());
        QString error;
        QCOMPARE(autostart.setEnabled(true, &error), ours);
        QCOMPARE(autostart.isEnabled(), ours);
        if (!ours) {
            QVERIFY2(error.contains(path), qPrintable(error));
            QCOMPARE(contents(path), before);
            QVERIFY(autostart.setEnabled(false, &error));
            QCOMPARE(contents(path), before);
            return;
        }
        QProcess gio;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("STARTED", started);
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        gio.setProcessEnvironment(environment);
        gio.start("gio", {"launch", path});
        QVERIFY(gio.waitForFinished());
        QVERIFY2(gio.exitCode() == 0, gio.readAllStandardError().constData());
        QTRY_COMPARE(QString::fromUtf8(contents(started)), program + "\n--autostart\n");

        QVERIFY(autostart.setEnabled(false, &error));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!autostart.isEnabled());
    }
};

QTEST_GUILESS_MAIN(XdgAutostartTest)
#include "tst_xdgautostart.moc"
