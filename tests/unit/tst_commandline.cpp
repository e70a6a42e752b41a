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
        QTest::addRow("countdown") << "--poweroff --force --in 0:00:05"
                                   << "1 1 1 0:0:5" << false;
        QTest::addRow("plain minutes") << "--reboot --in 90"
                                       << "2 0 1 1:30:0" << false;
        QTest::addRow("H:MM") << "--logoff --in 2:05"
                              << "0 0 1 2:5:0" << false;
        QTest::addRow("time of day") << "--reboot --at 23:00"
                                     << "2 0 0 23:0:0" << false;
        QTest::addRow("with seconds") << "--logoff --at 7:05:09"
                                      << "0 0 0 7:5:9" << false;
        QTest::addRow("cancel alone") << "--cancel"
                                      << "-" << false;
        QTest::addRow("two actions") << "--logoff --reboot --in 5"
                                     << "-" << true;
        QTest::addRow("no time") << "--poweroff"
                                 << "-" << true;
        QTest::addRow("time without action") << "--in 5"
                                             << "-" << true;
        QTest::addRow("both times") << "--poweroff --in 5 --at 12:00"
                                    << "-" << true;
        QTest::addRow("hours the fields cannot hold") << "--poweroff --in 100:00:00"
                                                      << "-" << true;
        QTest::addRow("minutes past 59") << "--poweroff --in 1:60:00"
                                         << "-" << true;
        QTest::addRow("too many minutes") << "--poweroff --in 6000"
                                          << "-" << true;
        QTest::addRow("zero countdown") << "--poweroff --in 0"
                                        << "-" << true;
        QTest::addRow("no such hour") << "--poweroff --at 24:00"
                                      << "-" << true;
        QTest::addRow("midnight is refused like Start") << "--poweroff --at 0:00"
                                                        << "-" << true;
        QTest::addRow("garbage time") << "--poweroff --in soon"
                                      << "-" << true;
        QTest::addRow("trailing line feed") << "--poweroff --in 5\n"
                                            << "-" << true;
        QTest::addRow("trailing line feed, time of day") << "--poweroff --at 7:05\n"
                                                         << "-" << true;
        QTest::addRow("cancel and arm") << "--cancel --poweroff --in 5"
                                        << "-" << true;
        // Waits: "W kind action force what".
        QTest::addRow("programs") << "--poweroff --when-exits 1234 --when-exits make"
                                  << "W0 1 0 1234,make" << false;
        QTest::addRow("quiet") << "--reboot --force --when-quiet 2.5 --cpu 5 --net 100"
                               << "W1 2 1 150000/5/100" << false;
        QTest::addRow("idle") << "--logoff --when-idle 10"
                              << "W2 0 0 600000" << false;
        QTest::addRow("wait without action") << "--when-idle 5"
                                             << "-" << true;
        QTest::addRow("no span") << "--poweroff --when-idle 0"
                                 << "-" << true;
        QTest::addRow("wait and countdown") << "--poweroff --in 5 --when-idle 5"
                                            << "-" << true;
        QTest::addRow("cpu without quiet") << "--poweroff --in 5 --cpu 5"
                                           << "-" << true;
        QTest::addRow("cpu past 100") << "--poweroff --when-quiet 5 --cpu 101"
                                      << "-" << true;
        QTest::addRow("unknown option") << "--shutdown"
                                        << "-" << true;
        QTest::addRow("stray argument") << "now"
                                        << "-" << true;
    }
    void parse()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, armed);
        QFETCH(bool, refused);
        const Command command =
            parseCommandLine(QStringList{"orvanta"} + arguments.split(' '), false);
        QCOMPARE(!command.error.isEmpty(), refused);
        QString got = QStringLiteral("-");
        if (command.arm)
            got = QStringLiteral("%1 %2 %3 %4")
                      .arg(int(command.arm->action))
                      .arg(int(command.arm->force))
                      .arg(int(command.arm->mode))
                      .arg(command.arm->fields[0] + ':' + command.arm->fields[1] + ':' +
                           command.arm->fields[2]);
        if (const auto &wait = command.wait) {
            const WaitOrder &order = wait->order;
            const QuietThresholds &quiet = order.quiet;
            got = QStringLiteral("W%1 %2 %3 ")
                      .arg(int(order.kind))
                      .arg(int(wait->action))
                      .arg(wait->force);
            got += order.kind == WaitOrder::Kind::ProgramEnd ? order.pidsOrNames.join(',')
                   : order.kind == WaitOrder::Kind::Idle     ? QString::number(order.idleMs)
                                                             : QStringLiteral("%1/%2/%3")
                                                               .arg(quiet.spanMs)
                                                               .arg(quiet.cpuPercent)
                                                               .arg(quiet.networkKBps);
        }
        QCOMPARE(got, armed);
    }
};

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
