#include "app/PlatformWaits.h"

#include "core/Condition.h"
#include "platform/Platform.h"

QList<RunningProgram> PlatformWaits::runningPrograms()
{
    return Platform::runningPrograms();
}

std::unique_ptr<Condition> PlatformWaits::make(const WaitOrder &order, QString *error)
{
    switch (order.kind) {
    case WaitOrder::Kind::ProgramEnd: {
        QList<RunningProgram> programs = order.programs;
        if (!order.pidOrName.isEmpty()) {
#ifdef Q_OS_WIN
            constexpr Qt::CaseSensitivity nameCase = Qt::CaseInsensitive;
#else
            constexpr Qt::CaseSensitivity nameCase = Qt::CaseSensitive;
#endif
            programs = selectPrograms(runningPrograms(), order.pidOrName, nameCase, error);
            if (programs.isEmpty())
                return nullptr;
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
