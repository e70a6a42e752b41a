// What a command line asks, done as the user would in a window.
#include "core/ArmingService.h"

#include "core/Condition.h"
#include "core/ScheduleEdits.h"
#include "core/ScheduleRunner.h"
#include "core/Wait.h"

CommandOutcome ArmingService::apply(const Command &command)
{
    using Kind = CommandOutcome::Kind;
    if (command.schedules) {
        const ScheduleEdit &edit = *command.schedules;
        if (!m_runner)
            return {Kind::Refused, tr("schedules are not available here")};
        std::vector<StoredSchedule> schedules = m_runner->schedules();
        // What the system cannot carry out is never put on.
        if (const QString why =
                ScheduleEdits::refusal(schedules, edit, m_capabilities, wakeWhyNot());
            !why.isEmpty())
            return {Kind::Refused, why};
        CommandOutcome outcome = ScheduleEdits::apply(schedules, edit);
        if (outcome.kind == Kind::Applied && edit.kind != ScheduleEdit::Kind::List)
            commit(std::move(schedules));
        if (edit.kind == ScheduleEdit::Kind::List && !m_runner->toolTip().isEmpty())
            outcome.text += u'\n' + m_runner->toolTip();
        return outcome;
    }
    const bool arming = command.arm || command.wait;
    if ((command.cancel || arming) && m_hand->state() == ArmingController::State::Requesting)
        return {Kind::TooLate, tr("too late: the request is already on its way to the system")};
    if (command.wait) {
        if (!m_seams.waits)
            return {Kind::Refused, tr("waits besides the clock are not available here")};
        QString why;
        std::unique_ptr<Condition> condition = m_seams.waits->make(command.wait->order, &why);
        if (!condition || !m_hand->armWhen(command.wait->action, command.wait->force,
                                           condition.release(), &why, command.run))
            return {Kind::Refused, why};
        return {};
    }
    if (command.arm) {
        // What the system cannot carry out leaves what is armed as it is.
        if (const QString why = whyNot(command.arm->action); !why.isEmpty())
            return {Kind::Refused, why};
        const Command::Arm &arm = *command.arm;
        if (const QString why = arm.wake ? wakeWhyNot() : QString(); !why.isEmpty())
            return {Kind::Refused, why};
        const ArmOrder order{arm.action, arm.force, arm.mode,   arm.fields,
                             {},         arm.wake,  command.run};
        if (const QString why = m_hand->commandProblem(order); !why.isEmpty())
            return {Kind::Refused, why};
        if (!m_hand->arm(order))
            return {Kind::Refused, tr("the time was refused")};
        return {};
    }
    if (command.cancel)
        return stopAll();
    if (command.postpone > 0)
        return postponeCommand(command.postpone);
    return {};
}

CommandOutcome ArmingService::postponeCommand(int seconds)
{
    using Kind = CommandOutcome::Kind;
    if (requesting())
        return {Kind::TooLate, tr("too late: the request is already on its way to the system")};
    if (!canPostpone())
        return {Kind::Refused, tr("nothing is armed that could be given more time")};
    postponeAll(seconds);
    QStringList said;
    if (m_hand->armed())
        said << m_hand->status();
    if (m_scheduled->armed())
        said << m_scheduled->status();
    return {Kind::Applied, said.join(u'\n')};
}
