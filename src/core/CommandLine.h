#pragma once

#include "core/Power.h"
#include "core/TimeRules.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

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
    };
    std::optional<Arm> arm;
    bool cancel = false;
    bool show = false;
    QString error; // why the arguments were refused; nothing is done then

    bool isEmpty() const { return !arm && !cancel && !show && error.isEmpty(); }
};

// Reads the arguments (the program name first). --help and --version are answered by
// printing and ending the process, as the platform's programs do, where mayExit; else
// they are refused.
Command parseCommandLine(const QStringList &arguments, bool mayExit = true);

// The usage text printed with a refusal.
QString commandLineUsage();
