#include "core/Condition.h"
#include "core/IdleCondition.h"
#include "core/LoadSampler.h"
#include "core/ProgramEndCondition.h"
#include "core/QuietCondition.h"
#include "core/Wait.h"

#include <algorithm>

namespace {

void addOnce(QList<RunningProgram> &programs, const QList<RunningProgram> &more)
{
    for (const RunningProgram &program : more)
        if (std::none_of(programs.cbegin(), programs.cend(),
                         [&](const RunningProgram &p) { return p.pid == program.pid; }))
            programs << program;
}

bool isPid(const QString &text)
{
    bool number = false;
    text.trimmed().toLongLong(&number);
    return number;
}

} // namespace

QList<RunningProgram> Waits::runningPrograms() const
{
    QList<RunningProgram> own;
    const QList<RunningProgram> all = m_sources.runningPrograms();
    for (const RunningProgram &program : all)
        if (program.ownedByUser)
            addOnce(own, {program});
    std::sort(own.begin(), own.end(), [](const RunningProgram &a, const RunningProgram &b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.pid < b.pid;
    });
    return own;
}

std::unique_ptr<Condition> Waits::make(const WaitOrder &order, QString *error) const
{
    switch (order.kind) {
    case WaitOrder::Kind::ProgramEnd: {
        // A PID is exactly that process; a name is every program of the user's of that
        // name, now and later.
        QList<RunningProgram> programs = order.programs;
        QStringList names;
        const QList<RunningProgram> running =
            order.pidsOrNames.isEmpty() ? QList<RunningProgram>() : m_sources.runningPrograms();
        const Qt::CaseSensitivity nameCase = m_sources.programNameCase();
        for (const QString &pidOrName : order.pidsOrNames) {
            const QList<RunningProgram> named = selectPrograms(running, pidOrName, nameCase, error);
            if (named.isEmpty())
                return nullptr;
            if (isPid(pidOrName))
                addOnce(programs, named);
            else if (!names.contains(pidOrName.trimmed()))
                names << pidOrName.trimmed();
        }
        WaitSources *sources = &m_sources;
        auto lookup = [sources, nameCase](const QStringList &wanted) {
            const QList<RunningProgram> now = sources->runningPrograms();
            QList<RunningProgram> found;
            for (const QString &name : wanted)
                addOnce(found, selectPrograms(now, name, nameCase, nullptr));
            return found;
        };
        return std::make_unique<ProgramEndCondition>(programs, names, lookup,
                                                     m_sources.makeProcessWatcher(), m_clock);
    }
    case WaitOrder::Kind::Quiet:
        return std::make_unique<QuietCondition>(order.quiet, m_sources.makeLoadSampler(), m_clock);
    case WaitOrder::Kind::Idle: {
        std::unique_ptr<IdleSource> source = m_sources.makeIdleSource(error);
        if (!source)
            return nullptr;
        return std::make_unique<IdleCondition>(order.idleMs, std::move(source), m_clock);
    }
    }
    return nullptr;
}
