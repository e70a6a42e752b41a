// The session's entry: launched the way GLib launches it at login (GNOME's and other sessions
// read it with GLib), it starts the program wherever it lies, with --autostart, and the user's
// changes to it outlive turning it off and on; a file of the same name that is not ours or that
// the user turned off, and a link in its place, are neither rewritten nor removed, and nothing
// is written through the link.
#include "../Files.h"
#include "platform/linux/XdgAutostart.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray Marked = "[Desktop Entry]\nType=Application\nName=Orvanta\n"
                          "Exec=\"/old place/orvanta\" --autostart\nTryExec=/old place/orvanta\n"
                          "X-Orvanta-Autostart=true\n";
const QByteArray Refused = "-"; // neither written nor removed
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
        QTest::addColumn<QByteArray>("before"); // the file already there, if any; @ the program
        QTest::addColumn<QByteArray>("kept");   // the user's, outliving off and on; or Refused
        QTest::addColumn<QString>("link");      // what the entry's path links to, if anything
        const auto row = [](const char *name, const QString &folder, const QByteArray &before = {},
                            const QByteArray &kept = {}, const QString &link = {}) {
            QTest::newRow(name) << folder << before << kept << link;
        };
        row("space, %, quotes, shell, non-ASCII", "100% sure %u back\\slash \\\\ \"q\" 'q' $HOME "
                                                  "`id` ; & | * ~ # = ( ) Zeitpl\u00e4ne \u2713");
        row("ours, program moved, delay added", "new place",
            Marked + "X-GNOME-Autostart-Delay=30\n", "\nX-GNOME-Autostart-Delay=30\n");
        row("ours, Exec wrapped", "p",
            "[Desktop Entry]\nType=Application\nTryExec=@\nExec=sh -c \"sleep 0; exec @ "
            "--autostart\"\nX-Orvanta-Autostart=true\n",
            "\nExec=sh -c \"sleep 0; exec @ --autostart\"\n");
        row("copied by desktop settings", "p", "[Desktop Entry]\nType=Application\nExec=orvanta\n",
            Refused);
        row("ours, Hidden", "p", Marked + "Hidden=true\n", Refused);
        row("ours, turned off in GNOME", "p", Marked + "X-GNOME-Autostart-enabled=false\n",
            Refused);
        row("link to nothing", "p", {}, Refused, ".profile");
        row("link to ours", "p", Marked, Refused, "dotfiles/orvanta.desktop");
    }
    void entry()
    {
        QFETCH(QString, folder);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, kept);
        QFETCH(QString, link);
        const QString row = m_dir.filePath(QString::number(++m_row));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(row + "/config"));
        const QString program = row + '/' + folder + "/orvanta";
        const QString started = row + "/started";
        write(program, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" >\"$STARTED\"\n");
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        before.replace('@', QFile::encodeName(program));
        kept.replace('@', QFile::encodeName(program));

        XdgAutostart autostart(program);
        const QString path = autostart.location();
        QCOMPARE(path, row + "/config/autostart/orvanta.desktop");
        const QString target = link.isEmpty() ? path : row + '/' + link;
        if (!before.isEmpty())
            write(target, before);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(link.isEmpty() || QFile::link(target, path));
        QString error;
        if (kept == Refused) {
            QVERIFY(!autostart.setEnabled(true, &error));
            QVERIFY2(error.contains(path), qPrintable(error));
            QVERIFY(!autostart.isEnabled());
            QVERIFY(autostart.setEnabled(false, &error));
            QCOMPARE(contents(target), before);
            QCOMPARE(QFileInfo(path).isSymLink(), !link.isEmpty());
            return;
        }
        QVERIFY2(autostart.setEnabled(true, &error), qPrintable(error));
        QVERIFY(autostart.isEnabled());
        const QByteArray on = contents(path);
        QVERIFY2(on.contains(kept), on.constData());
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
        QVERIFY(!autostart.isEnabled());
        // What Orvanta wrote alone goes; an entry the user changed is hidden, changes and all.
        QCOMPARE(QFile::exists(path), !kept.isEmpty());
        if (kept.isEmpty())
            return;
        const QByteArray off = contents(path);
        QVERIFY2(off.contains("\nHidden=true\n") && off.contains(kept), off.constData());
        QVERIFY(autostart.setEnabled(true, &error));
        QCOMPARE(contents(path), on);
    }
};

QTEST_GUILESS_MAIN(XdgAutostartTest)
#include "tst_xdgautostart.moc"
