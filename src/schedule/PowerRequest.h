#pragma once

#include <QString>

enum class PowerAction
{
    LogOff = 0,
    PowerOff = 1,
    Restart = 2
};

// What one of the three action routines asks of the operating system.
struct PowerRequest
{
    PowerAction action = PowerAction::LogOff;
    bool force = false;
    // The ExitWindowsEx flags: EWX_LOGOFF 0, EWX_POWEROFF 8, EWX_REBOOT 2, plus EWX_FORCE 4.
    unsigned flags = 0;

    friend bool operator==(const PowerRequest &, const PowerRequest &) = default;
};

// Only a ticked box (1) forces; clear (0) and grey (2) do not.
PowerRequest powerRequestFor(PowerAction action, int check1Value);

QString powerActionName(PowerAction action);

struct PowerResult
{
    bool accepted = false;
    QString error; // why it was refused; empty when accepted
};
