#pragma once

#include <QCommandLineOption>

class QCommandLineParser;

// The command line's options, their help texts and the program's description: what
// parseCommandLine() reads and --help prints.
struct CommandLineOptions
{
    CommandLineOptions();
    // Sets the description, --help, --version and every option.
    void describe(QCommandLineParser &parser) const;

    QCommandLineOption logOff;
    QCommandLineOption powerOff;
    QCommandLineOption reboot;
    QCommandLineOption sleep;
    QCommandLineOption hibernate;
    QCommandLineOption lock;
    QCommandLineOption displayOff;
    QCommandLineOption run;
    QCommandLineOption schedule;
    QCommandLineOption schedules;
    QCommandLineOption scheduleOn;
    QCommandLineOption scheduleOff;
    QCommandLineOption scheduleRemove;
    QCommandLineOption autostart;
    QCommandLineOption check;
    QCommandLineOption force;
    QCommandLineOption wake;
    QCommandLineOption in;
    QCommandLineOption at;
    QCommandLineOption whenExits;
    QCommandLineOption whenQuiet;
    QCommandLineOption cpu;
    QCommandLineOption disk;
    QCommandLineOption net;
    QCommandLineOption whenIdle;
    QCommandLineOption cancel;
    QCommandLineOption postpone;
    QCommandLineOption show;
};
