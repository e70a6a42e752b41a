#pragma once

#include "core/Power.h"
#include "core/TimeRules.h"
#include "core/Wait.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A change to the repeating schedules, or a request for their list.
struct ScheduleEdit
{
    enum class Kind : quint8
    {
        Add,
        List,
        On,
        Off,
        Remove
    };
    Kind kind = Kind::List;
    QString rule; // Add: days and time as given ("mon-fri 23:30")
    Action action = Action::PowerOff;
    bool force = false;
    int number = 0;    // On, Off, Remove: as the list numbers them, from 1
    bool wake = false; // Add: the computer is woken from sleep for each occurrence
};

// What the program is asked to do from a script: arm as if the user had chosen the same in
// the window and pressed Start, disarm, or come to the front.
struct Command
{
    struct Arm
    {
        Action action = Action::PowerOff;
        bool force = false;
        TimeMode mode = TimeMode::Countdown;
        std::array<QString, 3> fields; // hours, minutes, seconds as the fields will show them
        bool wake = false;             // a time of day: the computer is woken from sleep for it
    };
    // Or the action follows something besides the clock (--when-exits, --when-quiet,
    // --when-idle).
    struct Wait
    {
        Action action = Action::PowerOff;
        bool force = false;
        WaitOrder order;
    };
    std::optional<Arm> arm;
    std::optional<Wait> wait;
    std::optional<ScheduleEdit> schedules;
    // --run: the command line run as the action (Action::RunCommand).
    QString run;
    bool cancel = false;
    // More time for whatever is armed, in seconds (--postpone); 0: none asked.
    int postpone = 0;
    bool show = false;
    // Print what the system can carry out, and end; never handed to a running program.
    bool check = false;
    // Started with the session: hidden in the notification area, never showing the window.
    bool autostart = false;
    QString error; // why the arguments were refused; nothing is done then
    // --help or --version: the text to print on standard output; nothing else is done.
    QString answer;

    bool isEmpty() const
    {
        return !arm && !wait && !schedules && !cancel && postpone == 0 && !show && !check &&
               !autostart && error.isEmpty() && answer.isEmpty();
    }
};

// What became of a command handed to the running program, as its client reports it.
struct CommandOutcome
{
    enum class Kind : quint8
    {
        Applied,
        Refused, // text says why; nothing was done
        TooLate, // the request is already on its way; nothing was done
    };
    Kind kind = Kind::Applied;
    QString text;
};

// Reads the arguments (the program name first). Where mayExit, --help and --version give
// the text to print as the answer, and --help-all (the toolkit's options too) is printed by
// the toolkit, which ends the process; else they are refused.
Command parseCommandLine(const QStringList &arguments, bool mayExit = true);

// The usage text printed with a refusal.
QString commandLineUsage();
