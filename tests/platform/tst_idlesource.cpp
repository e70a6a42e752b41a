// The session's sources of idleness as the program finds and reads them, on a display and a
// session bus of the test's own: the X server's idle counter (Xvfb), GNOME's idle monitor
// (a mock), and a Wayland session whose compositor sends no idle notifications (Weston).
#include "core/IdleSource.h"
#include "platform/linux/WaitParts.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 SpanMs = 2000;

// A child process that ends with the test, killed by its PID; `started` reads its first line.
struct Child : QProcess
{
    ~Child() override { kill(), waitForFinished(); }
    QByteArray started(const QString &program, const QStringList &arguments)
    {
        start(program, arguments);
        while (!canReadLine() && waitForReadyRead(15000)) {
        }
        return readLine().trimmed();
    }
};

// Timer events for anything but the test's own waiting: a source read at intervals has them.
struct TimerCount : QObject
{
    int count = 0;
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        count += event->type() == QEvent::Timer && !receiver->inherits("QTestEventLoop");
        return false;
    }
};
} // namespace

class IdleSourceTest : public QObject
{
    Q_OBJECT
private slots:
    void tellsIdlenessAndInput_data()
    {
        QTest::addColumn<QString>("session");
        QTest::addColumn<QStringList>("input"); // none where nothing can tell
        const auto row = [](const char *name, const char *session, const char *input) {
            QTest::newRow(name) << session << QString(input).split(' ', Qt::SkipEmptyParts);
        };
        row("X server's idle counter", "x11", "xdotool mousemove_relative -- 3 3");
        row("GNOME's idle monitor", "gnome",
            "dbus-send --session --type=method_call --dest=org.gnome.Mutter.IdleMonitor "
            "/org/gnome/Mutter/IdleMonitor/Core org.gnome.Mutter.IdleMonitor.ResetIdletime");
        row("Wayland without idle notifications", "weston", "");
    }

    void tellsIdlenessAndInput()
    {
        QFETCH(QString, session);
        QFETCH(QStringList, input);
        Child helper;
        qunsetenv("WAYLAND_DISPLAY");
        if (session == "gnome")
            QCOMPARE(helper.started("/usr/bin/python3", {MUTTER_MOCK}), "ready"_ba);
        if (session == "weston") {
            helper.start("weston",
                         {"--backend=headless-backend.so", "--socket=wl-idle", "--log=/dev/null"});
            QTRY_VERIFY(QFile::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/wl-idle"));
            qputenv("WAYLAND_DISPLAY", "wl-idle");
        }
        IdleSources sources;
        QSignalSpy probed(&sources, &IdleSources::probed);
        sources.probe();
        QVERIFY(probed.isEmpty());
        QVERIFY(probed.wait(10000));
        QString why;
        const std::unique_ptr<IdleSource> source = sources.make(&why);
        QCOMPARE(!source, input.isEmpty());
        if (!source) {
            QCOMPARE(why, "This desktop does not tell how long nobody has used the computer."_L1);
            return;
        }
        QSignalSpy idle(source.get(), &IdleSource::idleFor), used(source.get(), &IdleSource::inUse),
            failed(source.get(), &IdleSource::failed);
        const auto use = [&input] { return QProcess::execute(input[0], input.mid(1)) == 0; };
        TimerCount timers;
        qApp->installEventFilter(&timers);

        // From the last input, at the span; then quiet, nothing asked, until the next input.
        QVERIFY(use());
        QElapsedTimer clock;
        clock.start();
        source->start(SpanMs);
        QVERIFY(idle.isEmpty());
        for (int round = 0; round < 2; ++round, idle.clear(), used.clear()) {
            QVERIFY(idle.wait(SpanMs + 1000));
            QVERIFY2(clock.elapsed() >= SpanMs - 100 && clock.elapsed() < SpanMs + 500,
                     qPrintable(QString::number(clock.elapsed())));
            QVERIFY(idle.last().at(0).toLongLong() >= SpanMs - 100);
            QVERIFY(!used.wait(1000));
            QCOMPARE(timers.count, 0);
            QVERIFY(use());
            clock.start(); // the span begins again
            QVERIFY(used.count() == 1 || used.wait(100));
        }

        // Started anew after the span: the idleness so far at once, input as soon.
        QVERIFY(idle.wait(SpanMs + 1000));
        source->stop();
        idle.clear();
        source->start(SpanMs);
        QVERIFY(idle.isEmpty());
        QVERIFY(idle.wait(300));
        QVERIFY(idle.last().at(0).toLongLong() >= SpanMs);
        QVERIFY(use());
        QVERIFY(used.count() == 1 || used.wait(100));
        QVERIFY(failed.isEmpty());
    }
};

int main(int argc, char **argv)
{
    // A display, a session bus and a runtime folder of the test's own, before the toolkit
    // looks for any; no system bus at all.
    Child xvfb, bus;
    QTemporaryDir runtime;
    qputenv("DISPLAY", ":" + xvfb.started("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"}));
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            bus.started("dbus-daemon", {"--session", "--nofork", "--print-address=1"}));
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system_bus_socket");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    IdleSourceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_idlesource.moc"
