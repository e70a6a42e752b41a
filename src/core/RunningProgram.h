#pragma once

#include <QList>
#include <QString>

// A process a wait can watch: what a list shows of it, and what tells it from a later
// process that was given the same PID.
struct RunningProgram
{
    qint64 pid = 0;
    QString name;        // "firefox"
    QString commandLine; // what tells two of the same name apart
    quint64 started = 0; // the system's start mark of the process; 0 when unknown
    bool ownedByUser = false;

    // "firefox (1234)"
    QString label() const;
};

// The programs a command line names among `running`: the one with that PID when the text
// is a number, else every one called that (an ".exe" after the name may be left out).
// Empty, with the reason in the user's language, when none is running.
QList<RunningProgram> selectPrograms(const QList<RunningProgram> &running, const QString &pidOrName,
                                     Qt::CaseSensitivity nameCase, QString *error);
