#include "core/CommandLine.h"

#include "core/AppInfo.h"
#include "core/TimeRules.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// A class, not a lambda, so that lupdate files the texts under their context.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

struct Options
{
    QCommandLineOption logOff{QStringLiteral("logoff"), CommandLine::tr("Log off the user.")};
    QCommandLineOption powerOff{QStringLiteral("poweroff"),
                                CommandLine::tr("Turn off the computer.")};
    QCommandLineOption reboot{QStringLiteral("reboot"), CommandLine::tr("Restart the computer.")};
    QCommandLineOption sleep{QStringLiteral("sleep"),
                             CommandLine::tr("Put the computer to sleep (Orvanta stays).")};
    QCommandLineOption hibernate{QStringLiteral("hibernate"),
                                 CommandLine::tr("Hibernate the computer (Orvanta stays).")};
    QCommandLineOption lock{QStringLiteral("lock"), CommandLine::tr("Lock the screen.")};
    QCommandLineOption displayOff{QStringLiteral("display-off"),
                                  CommandLine::tr("Turn off the display.")};
    QCommandLineOption run{
        QStringLiteral("run"),
        CommandLine::tr("Run this command line instead of a power action (Orvanta stays); a "
                        "shell only where the line names one (sh -c \"…\")."),
        QStringLiteral("command")};
    QCommandLineOption schedule{
        QStringLiteral("schedule"),
        CommandLine::tr("Add a schedule that repeats, with an action (and --force): days and "
                        "a time, e.g. \"mon-fri 23:30\", \"daily 7:00\", \"sat,sun 10:00\"."),
        CommandLine::tr("days time")};
    QCommandLineOption schedules{QStringLiteral("schedules"),
                                 CommandLine::tr("List the schedules, numbered.")};
    QCommandLineOption scheduleOn{QStringLiteral("schedule-on"),
                                  CommandLine::tr("Switch schedule N on."), QStringLiteral("N")};
    QCommandLineOption scheduleOff{QStringLiteral("schedule-off"),
                                   CommandLine::tr("Switch schedule N off."), QStringLiteral("N")};
    QCommandLineOption scheduleRemove{QStringLiteral("schedule-remove"),
                                      CommandLine::tr("Remove schedule N."), QStringLiteral("N")};
    QCommandLineOption autostart{
        QStringLiteral("autostart"),
        CommandLine::tr("Start hidden in the notification area, as the session does while a "
                        "schedule is on.")};
    QCommandLineOption check{
        QStringLiteral("check"),
        CommandLine::tr("Print which actions this computer can carry out now, and why not.")};
    QCommandLineOption force{QStringLiteral("force"),
                             CommandLine::tr("Do not let other programs hold the action up.")};
    QCommandLineOption wake{
        QStringLiteral("wake"),
        CommandLine::tr("With --at or --schedule: wake the computer from sleep (not from "
                        "hibernation or when turned off) shortly before the time.")};
    QCommandLineOption in{QStringLiteral("in"),
                          CommandLine::tr("Count down H:MM:SS, or a number of minutes."),
                          CommandLine::tr("time")};
    QCommandLineOption at{QStringLiteral("at"),
                          CommandLine::tr("Wait for the time of day HH:MM[:SS]."),
                          CommandLine::tr("time")};
    QCommandLineOption whenExits{
        QStringLiteral("when-exits"),
        CommandLine::tr("Act when the program of that PID, or every program of that name, has "
                        "ended (may be given more than once)."),
        CommandLine::tr("pid|name")};
    QCommandLineOption whenQuiet{
        QStringLiteral("when-quiet"),
        CommandLine::tr("Act when CPU, disk and network use have stayed low for that many "
                        "minutes."),
        CommandLine::tr("minutes")};
    QCommandLineOption cpu{
        QStringLiteral("cpu"),
        CommandLine::tr("With --when-quiet: CPU use of the busiest CPU below this (default 25)."),
        CommandLine::tr("percent")};
    QCommandLineOption disk{
        QStringLiteral("disk"),
        CommandLine::tr("With --when-quiet: reads and writes of the busiest disk below this "
                        "(default 1000)."),
        QStringLiteral("KB/s")};
    QCommandLineOption net{
        QStringLiteral("net"),
        CommandLine::tr("With --when-quiet: network traffic below this (default 10)."),
        QStringLiteral("KB/s")};
    QCommandLineOption whenIdle{
        QStringLiteral("when-idle"),
        CommandLine::tr("Act when nobody has used keyboard or mouse for that many minutes."),
        CommandLine::tr("minutes")};
    QCommandLineOption cancel{QStringLiteral("cancel"),
                              CommandLine::tr("Disarm the running Orvanta, if one runs.")};
    QCommandLineOption postpone{
        QStringLiteral("postpone"),
        CommandLine::tr("Give what the running Orvanta has armed more time: H:MM, or a number "
                        "of minutes (a time of day or a schedule's occurrence comes that much "
                        "later, a wait acts that much longer after its job is done)."),
        QStringLiteral("time")};
    QCommandLineOption show{QStringLiteral("show"),
                            CommandLine::tr("Bring the running Orvanta's window up, or start "
                                            "it.")};

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({logOff,     powerOff, reboot,    sleep,      hibernate,   lock,
                           displayOff, force,    in,        at,         whenExits,   whenQuiet,
                           cpu,        disk,     net,       whenIdle,   cancel,      postpone,
                           show,       schedule, schedules, scheduleOn, scheduleOff, scheduleRemove,
                           autostart,  check,    wake,      run});
    }
};

void describe(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(CommandLine::tr(
        "Logs off the user, turns off or restarts the computer, puts it to sleep, locks the "
        "screen or turns off the display after a countdown, at a time of day or when a job "
        "is done."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    options.addTo(parser);
}

// "1:30:00", "90:00" (H:MM), or "90" (minutes).
std::optional<std::array<QString, 3>> countdownFrom(const QString &text)
{
    // Anchored: a "$" would let a trailing line feed through.
    static const QRegularExpression form(QRegularExpression::anchoredPattern(
        QStringLiteral("(\\d{1,5})(?::(\\d{1,2}))?(?::(\\d{1,2}))?")));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    qint64 h = match.captured(1).toLongLong(), m = match.captured(2).toLongLong(),
           s = match.captured(3).toLongLong();
    if (!match.hasCaptured(2)) { // plain minutes
        m = h % 60;
        h /= 60;
    }
    if (h > 99 || m > 59 || s > 59 || h + m + s == 0)
        return std::nullopt;
    return std::array<QString, 3>{QString::number(h), QString::number(m), QString::number(s)};
}

std::optional<std::array<QString, 3>> clockFrom(const QString &text)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{1,2}):(\\d{2})(?::(\\d{2}))?")));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int h = match.captured(1).toInt(), m = match.captured(2).toInt(),
              s = match.captured(3).toInt();
    // 0:00:00 is refused by Start too.
    if (h > 23 || m > 59 || s > 59 || h + m + s == 0)
        return std::nullopt;
    return std::array<QString, 3>{QString::number(h), QString::number(m), QString::number(s)};
}

// More time: "0:30" (H:MM) or "30" (minutes), from a minute to 99:59; seconds, or nothing.
std::optional<int> moreTimeFrom(const QString &text)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{1,4})(?::(\\d{2}))?")));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int h = match.captured(1).toInt(), m = match.captured(2).toInt();
    if (!match.hasCaptured(2)) { // plain minutes
        m = h % 60;
        h /= 60;
    }
    if (h > 99 || m > 59 || h + m == 0)
        return std::nullopt;
    return (h * 60 + m) * 60;
}

// A span in minutes, fractions allowed, up to a week: milliseconds, or nothing.
std::optional<qint64> minutesFrom(const QString &text)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("\\d{1,5}(?:\\.\\d{1,3})?")));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const qint64 ms = qRound64(text.toDouble() * 60000);
    if (ms < 1000 || ms > qint64(7) * 24 * 3600 * 1000)
        return std::nullopt;
    return ms;
}

// A whole number from `minimum` to `maximum`, or nothing.
std::optional<int> wholeFrom(const QString &text, int minimum, int maximum)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("\\d{1,7}")));
    if (!form.match(text).hasMatch() || text.toInt() < minimum || text.toInt() > maximum)
        return std::nullopt;
    return text.toInt();
}

// The wait the options ask for; refusal reasons go to `error`.
std::optional<WaitOrder> waitFrom(const QCommandLineParser &parser, const Options &options,
                                  QString *error)
{
    WaitOrder order;
    if (parser.isSet(options.whenExits)) {
        order.kind = WaitOrder::Kind::ProgramEnd;
        order.pidsOrNames = parser.values(options.whenExits);
        for (const QString &program : order.pidsOrNames)
            if (program.trimmed().isEmpty() || program.contains(QLatin1Char('\n'))) {
                *error = CommandLine::tr("--when-exits needs a PID or a program name");
                return std::nullopt;
            }
        return order;
    }
    const bool quiet = parser.isSet(options.whenQuiet);
    const QString minutes = parser.value(quiet ? options.whenQuiet : options.whenIdle);
    const std::optional<qint64> span = minutesFrom(minutes);
    if (!span) {
        *error = CommandLine::tr("%1 %2: not a number of minutes up to a week")
                     .arg(quiet ? QStringLiteral("--when-quiet") : QStringLiteral("--when-idle"),
                          minutes);
        return std::nullopt;
    }
    if (!quiet) {
        order.kind = WaitOrder::Kind::Idle;
        order.idleMs = *span;
        return order;
    }
    order.kind = WaitOrder::Kind::Quiet;
    order.quiet.spanMs = *span;
    // Each threshold a whole number in its range, or the default.
    const struct
    {
        const QCommandLineOption &option;
        int maximum;
        int *value;
        const char *refusal;
    } thresholds[] = {
        {options.cpu, 100, &order.quiet.cpuPercent,
         QT_TRANSLATE_NOOP("CommandLine", "--cpu %1: not a percentage from 1 to 100")},
        {options.disk, 1000000, &order.quiet.diskKBps,
         QT_TRANSLATE_NOOP("CommandLine", "--disk %1: not a number of KB/s from 1 to 1000000")},
        {options.net, 1000000, &order.quiet.networkKBps,
         QT_TRANSLATE_NOOP("CommandLine", "--net %1: not a number of KB/s from 1 to 1000000")},
    };
    for (const auto &threshold : thresholds) {
        if (!parser.isSet(threshold.option))
            continue;
        const QString text = parser.value(threshold.option);
        const std::optional<int> value = wholeFrom(text, 1, threshold.maximum);
        if (!value) {
            *error = CommandLine::tr(threshold.refusal).arg(text);
            return std::nullopt;
        }
        *threshold.value = *value;
    }
    return order;
}

} // namespace

Command parseCommandLine(const QStringList &arguments, bool mayExit)
{
    QCommandLineParser parser;
    const Options options;
    describe(parser, options);
    Command command;
    const auto refuse = [&command](const QString &why) {
        command = Command();
        command.error = why;
        return command;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    const bool help = parser.isSet(QStringLiteral("help"));
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if ((help || helpAll || parser.isSet(QStringLiteral("version"))) && !mayExit)
        return refuse(
            CommandLine::tr("--help and --version are answered by the program that is asked"));
    if (helpAll)
        parser.process(arguments); // prints the toolkit's options too, and ends
    if (help) {
        command.answer = parser.helpText();
        return command;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        command.answer = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion());
        return command;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(
            CommandLine::tr("unexpected argument: %1").arg(parser.positionalArguments().first()));

    const QList<std::pair<const QCommandLineOption *, Action>> actions = {
        {&options.logOff, Action::LogOff},         {&options.powerOff, Action::PowerOff},
        {&options.reboot, Action::Restart},        {&options.sleep, Action::Sleep},
        {&options.hibernate, Action::Hibernate},   {&options.lock, Action::Lock},
        {&options.displayOff, Action::DisplayOff}, {&options.run, Action::RunCommand}};
    int actionCount = 0;
    Command::Arm arm;
    for (const auto &[option, action] : actions)
        if (parser.isSet(*option)) {
            ++actionCount;
            arm.action = action;
        }
    const bool in = parser.isSet(options.in), at = parser.isSet(options.at);
    const int whens = int(in) + int(at) + int(parser.isSet(options.whenExits)) +
                      int(parser.isSet(options.whenQuiet)) + int(parser.isSet(options.whenIdle));
    command.cancel = parser.isSet(options.cancel);
    if (parser.isSet(options.postpone)) {
        const std::optional<int> seconds = moreTimeFrom(parser.value(options.postpone));
        if (!seconds)
            return refuse(CommandLine::tr("--postpone %1: not H:MM from 0:01 to 99:59, nor a "
                                          "number of minutes")
                              .arg(parser.value(options.postpone)));
        // Alone: more time for what is armed, nothing else.
        if (parser.optionNames().size() != 1)
            return refuse(CommandLine::tr("--postpone stands alone"));
        command.postpone = *seconds;
        return command;
    }
    command.show = parser.isSet(options.show);
    command.check = parser.isSet(options.check);
    if (actionCount > 1)
        return refuse(CommandLine::tr("choose one action: --logoff, --poweroff, --reboot, "
                                      "--sleep, --hibernate, --lock or --display-off"));
    command.autostart = parser.isSet(options.autostart);
    const bool others = whens > 0 || command.cancel || command.show;
    if (command.check && (actionCount > 0 || others || command.autostart))
        return refuse(CommandLine::tr("--check stands alone"));
    if (command.autostart && (actionCount > 0 || others))
        return refuse(CommandLine::tr("--autostart stands alone"));
    const std::pair<const QCommandLineOption *, ScheduleEdit::Kind> edits[] = {
        {&options.schedule, ScheduleEdit::Kind::Add},
        {&options.schedules, ScheduleEdit::Kind::List},
        {&options.scheduleOn, ScheduleEdit::Kind::On},
        {&options.scheduleOff, ScheduleEdit::Kind::Off},
        {&options.scheduleRemove, ScheduleEdit::Kind::Remove}};
    for (const auto &[option, kind] : edits) {
        if (!parser.isSet(*option))
            continue;
        if (command.schedules)
            return refuse(CommandLine::tr("choose one of --schedule, --schedules, --schedule-on, "
                                          "--schedule-off and --schedule-remove"));
        ScheduleEdit edit;
        edit.kind = kind;
        if (kind == ScheduleEdit::Kind::Add) {
            edit.rule = parser.value(*option);
            edit.action = arm.action;
            edit.force = parser.isSet(options.force);
            edit.wake = parser.isSet(options.wake);
        } else if (kind != ScheduleEdit::Kind::List) {
            const std::optional<int> number = wholeFrom(parser.value(*option), 1, 9999);
            if (!number)
                return refuse(CommandLine::tr("%1 %2: not the number of a schedule")
                                  .arg(QStringLiteral("--") + option->names().constFirst(),
                                       parser.value(*option)));
            edit.number = *number;
        }
        command.schedules = edit;
    }
    if (command.schedules) {
        const bool add = command.schedules->kind == ScheduleEdit::Kind::Add;
        if (parser.isSet(options.run))
            return refuse(CommandLine::tr("a schedule runs no command: --run goes with --in, "
                                          "--at or --when-…"));
        if (others || command.check || command.autostart ||
            (!add &&
             (actionCount > 0 || parser.isSet(options.force) || parser.isSet(options.wake))))
            return refuse(CommandLine::tr("the schedule options stand alone (--schedule with an "
                                          "action, --force and --wake)"));
        if (add && actionCount != 1)
            return refuse(CommandLine::tr("--schedule needs an action: --logoff, --poweroff, "
                                          "--reboot, --sleep, --hibernate, --lock or "
                                          "--display-off"));
        return command;
    }
    // Only a moment of the wall clock can be woken for: a countdown stands still in a sleep.
    if (parser.isSet(options.wake) && !at)
        return refuse(CommandLine::tr("--wake goes with --at or --schedule"));
    if (whens > 1)
        return refuse(CommandLine::tr(
            "choose one of --in, --at, --when-exits, --when-quiet and --when-idle"));
    if ((parser.isSet(options.cpu) || parser.isSet(options.disk) || parser.isSet(options.net)) &&
        !parser.isSet(options.whenQuiet))
        return refuse(CommandLine::tr("--cpu, --disk and --net go with --when-quiet"));
    if (actionCount == 0 && (whens > 0 || parser.isSet(options.force)))
        return refuse(CommandLine::tr(
            "--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, "
            "--sleep, --hibernate, --lock or --display-off"));
    if (actionCount == 1 && whens == 0)
        return refuse(CommandLine::tr("say when: --in H:MM:SS or --at HH:MM[:SS]"));
    if (actionCount == 1 && command.cancel)
        return refuse(CommandLine::tr("--cancel cannot be combined with an action"));
    if (actionCount == 0)
        return command;

    arm.force = parser.isSet(options.force);
    if (parser.isSet(options.run)) {
        command.run = parser.value(options.run);
        if (command.run.trimmed().isEmpty())
            return refuse(CommandLine::tr("--run needs a command line"));
    }
    if (!in && !at) {
        QString why;
        const std::optional<WaitOrder> order = waitFrom(parser, options, &why);
        if (!order)
            return refuse(why);
        command.wait = Command::Wait{arm.action, arm.force, *order};
        return command;
    }
    arm.mode = in ? TimeMode::Countdown : TimeMode::TimeOfDay;
    const QString time = parser.value(in ? options.in : options.at);
    const auto fields = in ? countdownFrom(time) : clockFrom(time);
    if (!fields)
        return refuse(
            in ? CommandLine::tr("--in %1: not a countdown from 0:00:01 to 99:59:59").arg(time)
               : CommandLine::tr("--at %1: not a time of day from 0:00:01 to 23:59:59").arg(time));
    arm.fields = *fields;
    arm.wake = parser.isSet(options.wake);
    command.arm = arm;
    return command;
}

QString commandLineUsage()
{
    QCommandLineParser parser;
    const Options options;
    describe(parser, options);
    return parser.helpText();
}
