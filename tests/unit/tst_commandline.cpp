// What a script may ask for, and what is refused before anything is armed.
#include "core/CommandLine.h"

#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("armed"); // "action force mode h:m:s", or "-" for nothing
        QTest::addColumn<bool>("refused");
        const auto row = [](const char *name, const char *arguments, const char *armed,
                            bool refused = false) {
            QTest::newRow(name) << QString::fromUtf8(arguments) << QString::fromUtf8(armed)
                                << refused;
        };
        const auto no = [&](const char *name, const char *arguments) {
            row(name, arguments, "-", true);
        };
        row("countdown", "--poweroff --force --in 0:00:05", "1 1 1 0:0:5");
        row("plain minutes", "--reboot --in 90", "2 0 1 1:30:0");
        row("H:MM", "--logoff --in 2:05", "0 0 1 2:5:0");
        row("time of day", "--reboot --at 23:00", "2 0 0 23:0:0");
        row("with seconds", "--logoff --at 7:05:09", "0 0 0 7:5:9");
        row("cancel alone", "--cancel", "-");
        row("a time of day that wakes", "--sleep --at 6:30 --wake", "3 0 0 6:30:0 wake");
        no("wake for a countdown, which a sleep stops", "--poweroff --in 5 --wake");
        no("wake alone", "--wake");
        // More time: "P seconds".
        row("more time H:MM", "--postpone 0:30", "P 1800");
        row("more time in minutes", "--postpone 90", "P 5400");
        no("more time of nothing", "--postpone 0:00");
        no("more time and an action", "--postpone 0:10 --poweroff --in 5");
        no("check with an action", "--check --hibernate --in 5");
        no("two actions", "--logoff --reboot --in 5");
        no("no time", "--poweroff");
        no("time without action", "--in 5");
        no("both times", "--poweroff --in 5 --at 12:00");
        no("hours the fields cannot hold", "--poweroff --in 100:00:00");
        no("minutes past 59", "--poweroff --in 1:60:00");
        no("zero countdown", "--poweroff --in 0");
        no("no such hour", "--poweroff --at 24:00");
        no("midnight is refused like Start", "--poweroff --at 0:00");
        no("garbage time", "--poweroff --in soon");
        no("trailing line feed", "--poweroff --in 5\n");
        no("trailing line feed, time of day", "--poweroff --at 7:05\n");
        no("cancel and arm", "--cancel --poweroff --in 5");
        // Waits: "W kind action force what".
        row("programs", "--poweroff --when-exits 1234 --when-exits make", "W0 1 0 1234,make");
        row("quiet", "--reboot --force --when-quiet 2.5 --cpu 5 --disk 20000 --net 100",
            "W1 2 1 150000/5/20000/100");
        row("quiet, defaults", "--poweroff --when-quiet 1", "W1 1 0 60000/25/1000/10");
        row("idle", "--display-off --when-idle 10", "W2 6 0 600000");
        no("no span", "--poweroff --when-idle 0");
        no("cpu without quiet", "--poweroff --in 5 --cpu 5");
        no("cpu past 100", "--poweroff --when-quiet 5 --cpu 101");
        no("disk past 1 GB/s", "--poweroff --when-quiet 5 --disk 1000001");
        // Schedules: "S kind action force rule-or-number".
        row("add a schedule", "--schedule mon-fri,23:30 --poweroff --force",
            "S0 1 1 mon-fri,23:30");
        row("switch one off", "--schedule-off 2", "S3 1 0 2");
        row("a schedule that wakes", "--schedule daily,7:00 --poweroff --wake",
            "S0 1 0 daily,7:00 wake");
        no("wake with the list", "--schedules --wake");
        no("a schedule without an action", "--schedule daily,7:00");
        no("a schedule and a countdown", "--schedule daily,7:00 --sleep --in 5");
        no("two schedule options", "--schedules --schedule-remove 1");
        no("schedule number 0", "--schedule-on 0");
        no("an action with the list", "--schedules --lock");
        no("autostart with an action", "--autostart --sleep --in 5");
        no("unknown option", "--shutdown");
        no("stray argument", "now");
    }
    void parse()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, armed);
        QFETCH(bool, refused);
        const Command command =
            parseCommandLine(QStringList{"orvanta"} + arguments.split(' '), false);
        QCOMPARE(!command.error.isEmpty(), refused);
        const auto n = [](auto value) { return QString::number(qint64(value)); };
        QString got = QStringLiteral("-");
        if (const auto &arm = command.arm)
            got = QStringList{n(arm->action), n(arm->force), n(arm->mode),
                              QStringList(arm->fields.begin(), arm->fields.end()).join(':')}
                      .join(' ') +
                  (arm->wake ? " wake" : "");
        if (const auto &wait = command.wait) {
            const WaitOrder &order = wait->order;
            const QuietThresholds &q = order.quiet;
            const QString what =
                order.kind == WaitOrder::Kind::ProgramEnd ? order.pidsOrNames.join(',')
                : order.kind == WaitOrder::Kind::Idle
                    ? n(order.idleMs)
                    : QStringList{n(q.spanMs), n(q.cpuPercent), n(q.diskKBps), n(q.networkKBps)}
                          .join('/');
            got = QStringList{'W' + n(order.kind), n(wait->action), n(wait->force), what}.join(' ');
        }
        if (const auto &edit = command.schedules)
            got = QStringList{'S' + n(edit->kind), n(edit->action), n(edit->force),
                              edit->rule.isEmpty() ? n(edit->number) : edit->rule}
                      .join(' ') +
                  (edit->wake ? " wake" : "");
        if (command.postpone > 0)
            got = "P " + n(command.postpone);
        QCOMPARE(got, armed);
    }
};

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
