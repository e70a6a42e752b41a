#include "core/RunningProgram.h"

#include <QCoreApplication>

QString RunningProgram::label() const
{
    return QStringLiteral("%1 (%2)").arg(name).arg(pid);
}

QList<RunningProgram> selectPrograms(const QList<RunningProgram> &running, const QString &pidOrName,
                                     Qt::CaseSensitivity nameCase, QString *error)
{
    const QString wanted = pidOrName.trimmed();
    bool isPid = false;
    const qint64 pid = wanted.toLongLong(&isPid);
    QList<RunningProgram> chosen;
    for (const RunningProgram &program : running) {
        const QString &name = program.name;
        const bool exe = name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive);
        if (isPid ? program.pid == pid
                  : name.compare(wanted, nameCase) == 0 ||
                        (exe && name.chopped(4).compare(wanted, nameCase) == 0))
            chosen << program;
    }
    if (chosen.isEmpty() && error) {
        *error = isPid ? QCoreApplication::translate("RunningProgram",
                                                     "No running program has the PID %1.")
                             .arg(pid)
                       : QCoreApplication::translate("RunningProgram",
                                                     "No program called “%1” is running.")
                             .arg(wanted);
    }
    return chosen;
}
