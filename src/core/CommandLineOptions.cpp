#include "core/CommandLineOptions.h"

#include "core/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// A class, not a lambda, so that lupdate files the texts under their context.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

CommandLineOptions::CommandLineOptions()
    : logOff{QStringLiteral("logoff"), CommandLine::tr("Log off the user.")},
      powerOff{QStringLiteral("poweroff"), CommandLine::tr("Turn off the computer.")},
      reboot{QStringLiteral("reboot"), CommandLine::tr("Restart the computer.")},
      sleep{QStringLiteral("sleep"), CommandLine::tr("Put the computer to sleep (Orvanta stays).")},
      hibernate{QStringLiteral("hibernate"),
                CommandLine::tr("Hibernate the computer (Orvanta stays).")},
      lock{QStringLiteral("lock"), CommandLine::tr("Lock the screen.")},
      displayOff{QStringLiteral("display-off"), CommandLine::tr("Turn off the display.")},
      run{QStringLiteral("run"),
          CommandLine::tr("Run this command line instead of a power action (Orvanta stays); a "
                          "shell only where the line names one (sh -c \"…\")."),
          QStringLiteral("command")},
      schedule{
          QStringLiteral("schedule"),
          CommandLine::tr("Add a schedule that repeats, with an action (and --force): days and "
                          "a time, e.g. \"mon-fri 23:30\", \"daily 7:00\", \"sat,sun 10:00\"."),
          CommandLine::tr("days time")},
      schedules{QStringLiteral("schedules"), CommandLine::tr("List the schedules, numbered.")},
      scheduleOn{QStringLiteral("schedule-on"), CommandLine::tr("Switch schedule N on."),
                 QStringLiteral("N")},
      scheduleOff{QStringLiteral("schedule-off"), CommandLine::tr("Switch schedule N off."),
                  QStringLiteral("N")},
      scheduleRemove{QStringLiteral("schedule-remove"), CommandLine::tr("Remove schedule N."),
                     QStringLiteral("N")},
      autostart{
          QStringLiteral("autostart"),
          CommandLine::tr("Start hidden in the notification area, as the session does while a "
                          "schedule is on.")},
      check{QStringLiteral("check"),
            CommandLine::tr("Print which actions this computer can carry out now, and why not.")},
      force{QStringLiteral("force"),
            CommandLine::tr("Do not let other programs hold the action up.")},
      wake{QStringLiteral("wake"),
           CommandLine::tr("With --at or --schedule: wake the computer from sleep (not from "
                           "hibernation or when turned off) shortly before the time.")},
      in{QStringLiteral("in"), CommandLine::tr("Count down H:MM:SS, or a number of minutes."),
         CommandLine::tr("time")},
      at{QStringLiteral("at"), CommandLine::tr("Wait for the time of day HH:MM[:SS]."),
         CommandLine::tr("time")},
      whenExits{
          QStringLiteral("when-exits"),
          CommandLine::tr("Act when the program of that PID, or every program of that name, has "
                          "ended (may be given more than once)."),
          CommandLine::tr("pid|name")},
      whenQuiet{QStringLiteral("when-quiet"),
                CommandLine::tr("Act when CPU, disk and network use have stayed low for that many "
                                "minutes."),
                CommandLine::tr("minutes")},
      cpu{QStringLiteral("cpu"),
          CommandLine::tr("With --when-quiet: CPU use of the busiest CPU below this (default 25)."),
          CommandLine::tr("percent")},
      disk{QStringLiteral("disk"),
           CommandLine::tr("With --when-quiet: reads and writes of the busiest disk below this "
                           "(default 1000)."),
           QStringLiteral("KB/s")},
      net{QStringLiteral("net"),
          CommandLine::tr("With --when-quiet: network traffic below this (default 10)."),
          QStringLiteral("KB/s")},
      whenIdle{QStringLiteral("when-idle"),
               CommandLine::tr("Act when nobody has used keyboard or mouse for that many minutes."),
               CommandLine::tr("minutes")},
      cancel{QStringLiteral("cancel"), CommandLine::tr("Disarm the running Orvanta, if one runs.")},
      postpone{
          QStringLiteral("postpone"),
          CommandLine::tr("Give what the running Orvanta has armed more time: H:MM, or a number "
                          "of minutes (a time of day or a schedule's occurrence comes that much "
                          "later, a wait acts that much longer after its job is done)."),
          QStringLiteral("time")},
      show{QStringLiteral("show"),
           CommandLine::tr("Bring the running Orvanta's window up, or start "
                           "it.")}
{
}

void CommandLineOptions::describe(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(CommandLine::tr(
        "Logs off the user, turns off or restarts the computer, puts it to sleep, locks the "
        "screen or turns off the display after a countdown, at a time of day or when a job "
        "is done."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({logOff,     powerOff, reboot,    sleep,      hibernate,   lock,
                       displayOff, force,    in,        at,         whenExits,   whenQuiet,
                       cpu,        disk,     net,       whenIdle,   cancel,      postpone,
                       show,       schedule, schedules, scheduleOn, scheduleOff, scheduleRemove,
                       autostart,  check,    wake,      run});
}

QString commandLineUsage()
{
    QCommandLineParser parser;
    CommandLineOptions().describe(parser);
    return parser.helpText();
}
