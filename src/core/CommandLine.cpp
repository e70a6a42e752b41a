#include "core/CommandLine.h"

#include "core/AppInfo.h"
#include "core/CommandLineOptions.h"
#include "core/CommandLineValues.h"
#include "core/TimeRules.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// A class, not a lambda, so that lupdate files the texts under their context.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

using namespace CommandLineValues;

Command parseCommandLine(const QStringList &arguments, bool mayExit)
{
    QCommandLineParser parser;
    const CommandLineOptions options;
    options.describe(parser);
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
