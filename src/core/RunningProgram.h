#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A process a wait can watch: what a list shows of it, and what tells it from a later
// process that was given the same PID.
struct RunningProgram
{
    qint64 pid = 0;
    QString name;        // "firefox", the whole program or script name
    QString commandLine; // what tells two of the same name apart
    quint64 started = 0; // the system's start mark of the process; 0 when unknown
    bool ownedByUser = false;
    // Other names it answers to on a command line: the program file's name and a script's
    // name when an interpreter runs one ("nightly-backup-job.sh" run by bash).
    QStringList aliases;

    // "firefox (1234)"
    QString label() const;
};

// The programs a command line names among `running`: the one with that PID when the text
// is a number, else every one of the user's own that answers to that name (an ".exe" after
// the name may be left out). Empty, with the reason in the user's language, when none is
// running.
QList<RunningProgram> selectPrograms(const QList<RunningProgram> &running, const QString &pidOrName,
                                     Qt::CaseSensitivity nameCase, QString *error);
