// The controller's waits for a condition besides the clock: a program's end, a quiet
// computer, nobody at it.
#include "core/ArmingController.h"

#include "core/ArmedTime.h"
#include "core/CommandStep.h"
#include "core/Condition.h"

bool ArmingController::armWhen(Action action, bool force, Condition *condition, QString *error,
                               const QString &command)
{
    condition->setParent(this);
    if (m_state == State::Requesting) {
        *error = tr("A request is already on its way to the system.");
        condition->deleteLater();
        return false;
    }
    if (const QString why = whyNot(action); !why.isEmpty()) {
        *error = why;
        condition->deleteLater();
        return false;
    }
    ArmOrder order{action, force, TimeMode::Countdown, {}, {}, false, command};
    QString commandError;
    std::optional<QStringList> prepared = m_step->prepare(order, &commandError);
    if (!commandError.isEmpty()) {
        *error = commandError;
        condition->deleteLater();
        return false;
    }
    // Started before anything armed is given up: a wait that cannot start changes nothing.
    // Its signals count only once it is the wait of this controller.
    connect(condition, &Condition::met, this, [this, condition] {
        if (condition == m_condition)
            onConditionMet();
    });
    connect(condition, &Condition::lapsed, this, [this, condition](const QString &why) {
        if (condition == m_condition)
            onConditionLapsed(why);
    });
    connect(condition, &Condition::failed, this, [this, condition](const QString &reason) {
        if (condition == m_condition)
            onConditionFailed(reason);
    });
    connect(condition, &Condition::progressChanged, this, [this, condition] {
        if (condition == m_condition)
            emit ticked();
    });
    if (!condition->start(error)) {
        condition->deleteLater();
        return false;
    }
    m_step->end();
    m_step->take(prepared);
    dropCondition();
    m_time->disarm();
    closeWarning();
    m_order = order;
    m_extraSeconds = 0;
    m_condition = condition;
    m_power.prepare();
    emit ordered();
    setState(State::Waiting);
    // It may hold already (a user away since before); start() says nothing itself.
    if (condition->holds())
        onConditionMet();
    return true;
}

void ArmingController::onConditionMet()
{
    if (m_state != State::Waiting)
        return;
    // The time asked for after the job and the warning's lead, counted like a countdown:
    // without more time the warning comes at once.
    const qint64 total = m_extraSeconds + (m_warningEnabled ? m_time->leadSeconds() : 0);
    if (total <= 1) {
        onDue();
        return;
    }
    const qint64 fields = total - 1;
    enterArmed(TimeMode::Countdown,
               {QString::number(fields / 3600), QString::number(fields / 60 % 60),
                QString::number(fields % 60)});
}

void ArmingController::onConditionLapsed(const QString &why)
{
    if (m_state != State::Armed)
        return;
    // Back to waiting; the condition watches on and says met() again when it holds.
    m_time->disarm();
    closeWarning();
    setState(State::Waiting);
    const QString text = tr("%1 The wait begins again.").arg(why);
    emit warningWithdrawn(text);
    m_notice = text;
    emit warningChanged();
}

void ArmingController::onConditionFailed(const QString &reason)
{
    // Once the request is on its way, a watch that gives up changes nothing.
    if (armed() && stop())
        emit conditionFailed(reason);
}

void ArmingController::dropCondition()
{
    if (!m_condition)
        return;
    m_condition->stop();
    m_condition->disconnect(this);
    m_condition->deleteLater();
    m_condition = nullptr;
}
