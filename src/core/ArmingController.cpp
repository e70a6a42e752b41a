#include "core/ArmingController.h"

#include "core/Condition.h"
#include "core/Log.h"
#include "core/Notifier.h"
#include "core/Schedule.h"

#include <QPointer>

#include <algorithm>

ArmingController::ArmingController(const Clock &clock, PowerRequester &power, Notifier *notifier,
                                   QObject *parent)
    : QObject(parent), m_power(power), m_notifier(notifier), m_schedule(new Schedule(clock, this))
{
    // A condition's warning minute is no row of the window's.
    connect(m_schedule, &Schedule::fieldWritten, this, [this](int index, const QString &text) {
        if (!m_condition)
            emit fieldWritten(index, text);
    });
    connect(m_schedule, &Schedule::ticked, this, &ArmingController::ticked);
    connect(m_schedule, &Schedule::warning, this, &ArmingController::onWarning);
    connect(m_schedule, &Schedule::due, this, &ArmingController::onDue);
    if (m_notifier) {
        connect(m_notifier, &Notifier::postponeRequested, this,
                [this] { postpone(PostponeSeconds); });
        connect(m_notifier, &Notifier::cancelRequested, this, [this] { stop(); });
    }
}

ArmingController::~ArmingController() = default;

bool ArmingController::arm(const ArmOrder &order)
{
    if (m_state == State::Requesting)
        return false;
    if (m_state == State::Armed)
        stop();
    m_order = order;
    if (!m_schedule->arm(order.mode, order.fields))
        return false;
    // The buses are knocked at now, not when every millisecond counts.
    m_power.prepare();
    setState(State::Armed);
    return true;
}

bool ArmingController::armWhen(Action action, bool force, Condition *condition, QString *error)
{
    condition->setParent(this);
    if (!stop()) {
        *error = tr("A request is already on its way to the system.");
        condition->deleteLater();
        return false;
    }
    if (!condition->start(error)) {
        condition->deleteLater();
        return false;
    }
    m_order = ArmOrder{action, force, TimeMode::Countdown, {}};
    m_condition = condition;
    connect(condition, &Condition::met, this, &ArmingController::onConditionMet);
    connect(condition, &Condition::progressChanged, this, &ArmingController::ticked);
    connect(condition, &Condition::activity, this, [this] {
        // Somebody is at the computer after all: the wait for nobody begins again.
        if (m_state == State::Armed)
            postpone(PostponeSeconds);
    });
    connect(condition, &Condition::failed, this, [this](const QString &reason) {
        // Once the request is on its way, a watch that gives up changes nothing.
        if (armed() && stop())
            emit conditionFailed(reason);
    });
    m_power.prepare();
    setState(State::Waiting);
    return true;
}

void ArmingController::onConditionMet()
{
    if (m_state != State::Waiting)
        return;
    if (!m_warningEnabled) {
        onDue();
        return;
    }
    // The warning minute, counted like a countdown: the warning comes at once.
    m_schedule->arm(TimeMode::Countdown, {QStringLiteral("0"), QStringLiteral("0"),
                                          QString::number(Schedule::WarningSeconds - 1)});
    setState(State::Armed);
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

bool ArmingController::stop()
{
    if (m_state == State::Requesting)
        return false;
    if (m_state == State::Idle)
        return true;
    // The schedule stops before anybody hears of it.
    dropCondition();
    m_schedule->disarm();
    if (m_notifier)
        m_notifier->close();
    setState(State::Idle);
    return true;
}

bool ArmingController::canPostpone() const
{
    return m_state == State::Armed || (m_state == State::Waiting && m_condition->hasSpan());
}

void ArmingController::postpone(int seconds)
{
    if (!canPostpone())
        return;
    if (m_state == State::Waiting) {
        m_condition->restart();
        emit ticked();
        return;
    }
    if (m_notifier)
        m_notifier->close();
    // A wait with a span begins it again; a program's end, which has none, waits the seconds.
    if (m_condition && m_condition->hasSpan()) {
        m_schedule->disarm();
        m_condition->restart();
        setState(State::Waiting);
        return;
    }
    m_schedule->postpone(seconds);
    emit ticked();
}

QString ArmingController::status() const
{
    switch (m_state) {
    case State::Idle:
        return QString();
    case State::Waiting:
        return m_condition->progress();
    case State::Armed:
        return PowerTexts::armedStatus(m_order.action, m_schedule->mode() == TimeMode::Countdown,
                                       m_schedule->secondsUntilDue() - 1, m_schedule->targetTime());
    case State::Requesting:
        return tr("the request is on its way");
    }
    return QString();
}

QString ArmingController::toolTip() const
{
    const QString text = status();
    return text.isEmpty() ? text : QStringLiteral("Orvanta \u2014 %1").arg(text);
}

void ArmingController::setState(State state)
{
    if (m_state == state)
        return;
    // A wait that has ended, one way or another, must not colour the next arming.
    if (state == State::Idle)
        dropCondition();
    m_state = state;
    emit stateChanged(state);
}

void ArmingController::onWarning()
{
    if (!m_warningEnabled)
        return;
    // The text is made when it is shown: a notification server may take seconds to answer.
    const auto text = [this] {
        return PowerTexts::warningText(m_order.action,
                                       std::max<qint64>(0, m_schedule->secondsUntilDue()));
    };
    if (!m_notifier) {
        emit warnInstead(text());
        return;
    }
    const QPointer<ArmingController> self(this);
    m_notifier->show(text(), [self, text](bool shown) {
        if (self && !shown && self->m_state == State::Armed)
            emit self->warnInstead(text());
    });
}

void ArmingController::onDue()
{
    // The warning's Postpone and Cancel could no longer be kept.
    if (m_notifier)
        m_notifier->close();
    setState(State::Requesting);
    const quint64 id = ++m_requestId;
    const QPointer<ArmingController> self(this);
    m_power.request(m_order.action, m_order.force, [self, id](const PowerResult &result) {
        if (self && self->m_requestId == id && self->m_state == State::Requesting)
            self->onAnswer(result);
    });
}

void ArmingController::onAnswer(const PowerResult &result)
{
    if (result.accepted) {
        emit accepted();
        return;
    }
    qCWarning(lcOrvanta).noquote()
        << QStringLiteral("%1%2 was refused: %3")
               .arg(PowerTexts::actionName(m_order.action),
                    m_order.force ? QStringLiteral(" (forced)") : QString(), result.error);
    setState(State::Idle);
    emit refused(m_order.action, m_order.force, result);
}
