// The sources of idleness as the program finds and reads them, under Xvfb, a mock, Weston.
#include "../Child.h"
#include "core/IdleSource.h"
#include "platform/linux/WaitParts.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

constexpr qint64 SpanMs = 2000;
const QString NothingTells("This desktop does not tell how long nobody has used the computer.");

class IdleSourceTest : public QObject
{
    Q_OBJECT
    int m_timers = 0; // timer events but the test's own waiting: a polling source has them
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        m_timers += event->type() == QEvent::Timer && !receiver->inherits("QTestEventLoop");
        return false;
    }

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
        qputenv("WAYLAND_DISPLAY", session == "weston" ? "wl-idle" : "");
        if (session == "gnome")
            QCOMPARE(helper.started("/usr/bin/python3", {MUTTER_MOCK}), QStringLiteral("ready"));
        if (session == "weston") {
            helper.start("weston", {"--backend=headless-backend.so", "--socket=wl-idle"});
            QTRY_VERIFY(QFile::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/wl-idle"));
        }
        IdleSources sources;
        QSignalSpy probed(&sources, &IdleSources::probed);
        sources.probe();
        QVERIFY(probed.isEmpty() && probed.wait(10000));
        QString why;
        const std::unique_ptr<IdleSource> source = sources.make(&why);
        QCOMPARE(!source, input.isEmpty());
        QCOMPARE(why, source ? QString() : NothingTells);
        if (!source)
            return;
        QSignalSpy idle(source.get(), &IdleSource::idleFor), used(source.get(), &IdleSource::inUse);
        const auto use = [&input] { return !QProcess::execute(input[0], input.mid(1)); };
        m_timers = 0;
        // Told at the span, of input at once, again at the span; anew past it, at once. Quiet.
        QVERIFY(use());
        QElapsedTimer clock;
        for (int step = 0; step < 3; ++step, idle.clear()) {
            if (step != 1) {
                source->stop();
                clock.start();
                source->start(SpanMs);
            }
            QVERIFY(idle.isEmpty());
            const qint64 expectedMs = step == 2 ? 0 : SpanMs;
            QVERIFY(idle.wait(SpanMs + 1000));
            QVERIFY(clock.elapsed() >= expectedMs - 100 && clock.elapsed() < expectedMs + 500);
            QVERIFY(idle.last().at(0).toLongLong() >= SpanMs - 100);
            QVERIFY(!used.wait(1000));
            QCOMPARE(m_timers, 0);
            if (step != 1) {
                QVERIFY(use());
                clock.start();
                QVERIFY(used.size() == 1 || used.wait(100));
                used.clear();
            }
        }
    }
};

int main(int argc, char **argv)
{
    // A display, a session bus and a runtime folder of our own, and no system bus at all.
    Child xvfb, bus;
    QTemporaryDir runtime;
    qputenv("DISPLAY",
            (':' + xvfb.started("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"})).toLocal8Bit());
    qputenv(
        "DBUS_SESSION_BUS_ADDRESS",
        bus.started("dbus-daemon", {"--session", "--nofork", "--print-address=1"}).toLocal8Bit());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system_bus_socket");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QGuiApplication app(argc, argv);
    IdleSourceTest test;
    app.installEventFilter(&test);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_idlesource.moc"
