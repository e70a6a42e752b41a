#include "app/PlatformWaits.h"

#include "core/Condition.h"
#include "platform/Platform.h"

#include <algorithm>

QList<RunningProgram> PlatformWaits::runningPrograms()
{
    return Platform::runningPrograms();
}

std::unique_ptr<Condition> PlatformWaits::make(const WaitOrder &order, QString *error)
{
    switch (order.kind) {
    case WaitOrder::Kind::ProgramEnd: {
        QList<RunningProgram> programs = order.programs;
        const QList<RunningProgram> running =
            order.pidsOrNames.isEmpty() ? QList<RunningProgram>() : runningPrograms();
        for (const QString &pidOrName : order.pidsOrNames) {
            const QList<RunningProgram> named =
                selectPrograms(running, pidOrName, Platform::programNameCase(), error);
            if (named.isEmpty())
                return nullptr;
            for (const RunningProgram &program : named)
                if (std::none_of(programs.begin(), programs.end(),
                                 [&](const RunningProgram &p) { return p.pid == program.pid; }))
                    programs << program;
        }
        return Platform::makeProgramEndCondition(programs);
    }
    case WaitOrder::Kind::Quiet:
        return Platform::makeQuietCondition(order.quiet, m_clock);
    case WaitOrder::Kind::Idle:
        return Platform::makeIdleCondition(order.idleMs, m_clock);
    }
    return nullptr;
}
