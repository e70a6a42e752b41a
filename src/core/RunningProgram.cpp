#include "core/RunningProgram.h"

#include <QCoreApplication>

#include <algorithm>

QString RunningProgram::label() const
{
    return QStringLiteral("%1 (%2)").arg(name).arg(pid);
}

namespace {
// "setup" names "setup.exe" too.
bool answersTo(const QString &name, const QString &wanted, Qt::CaseSensitivity nameCase)
{
    return name.compare(wanted, nameCase) == 0 ||
           (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) &&
            name.chopped(4).compare(wanted, nameCase) == 0);
}
} // namespace

QList<RunningProgram> selectPrograms(const QList<RunningProgram> &running, const QString &pidOrName,
                                     Qt::CaseSensitivity nameCase, QString *error)
{
    const QString wanted = pidOrName.trimmed();
    bool isPid = false;
    const qint64 pid = wanted.toLongLong(&isPid);
    QList<RunningProgram> chosen;
    for (const RunningProgram &program : running) {
        // By name, only the user's own: another user's program of that name (a daemon that
        // never ends) is not what a user waits for.
        const bool named =
            !isPid && program.ownedByUser &&
            (answersTo(program.name, wanted, nameCase) ||
             std::any_of(program.aliases.cbegin(), program.aliases.cend(),
                         [&](const QString &alias) { return answersTo(alias, wanted, nameCase); }));
        if (named || (isPid && program.pid == pid))
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
