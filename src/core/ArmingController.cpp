#include "core/ArmingController.h"

#include "core/ArmedTime.h"
#include "core/CommandStep.h"
#include "core/Condition.h"
#include "core/Log.h"

#include <QPointer>

#include <algorithm>

ArmingController::ArmingController(const Clock &clock, PowerRequester &power, QObject *parent)
    : QObject(parent), m_power(power), m_time(new ArmedTime(clock, this)),
      m_step(new CommandStep(this))
{
    connect(m_step, &CommandStep::ticked, this, &ArmingController::ticked);
    connect(m_step, &CommandStep::finished, this, &ArmingController::onCommandEnded);
    // A condition's warning minute is no row of the window's.
    connect(m_time, &ArmedTime::fieldWritten, this, [this](int index, const QString &text) {
        if (!m_condition)
            emit fieldWritten(index, text);
    });
    connect(m_time, &ArmedTime::ticked, this, &ArmingController::ticked);
    connect(m_time, &ArmedTime::warning, this, &ArmingController::onWarning);
    connect(m_time, &ArmedTime::due, this, &ArmingController::onDue);
    // Passed unseen: never carried out late. Its owner hears Idle and plans the next.
    connect(m_time, &ArmedTime::passed, this, [this] {
        closeWarning();
        emit passedUnseen();
        setState(State::Idle);
    });
}

ArmingController::~ArmingController() = default;

bool ArmingController::arm(const ArmOrder &order)
{
    if (m_state == State::Requesting || !whyNot(order.action).isEmpty())
        return false;
    // A moment is taken as it is; fields are checked as the window's Start checks them.
    if (!order.moment.isValid() && !ArmedTime::accepts(order.mode, order.fields))
        return false;
    QString why;
    std::optional<QStringList> command = m_step->prepare(order, &why);
    if (!why.isEmpty())
        return false;
    // What was armed or waited for goes first, quietly: the state changes once, to Armed.
    m_step->end();
    m_step->take(command);
    dropCondition();
    m_time->disarm();
    closeWarning();
    m_order = order;
    m_extraSeconds = 0;
    emit ordered();
    enterArmed(order.mode, order.fields);
    return true;
}

QString ArmingController::whyNot(Action action) const
{
    const Capability &capability = m_capabilities[static_cast<std::size_t>(action)];
    return capability.possible ? QString() : capability.reason;
}

void ArmingController::enterArmed(TimeMode mode, const std::array<QString, 3> &fields)
{
    // Armed before the schedule is: a warning due at once must find the state it belongs
    // to, on every path.
    const bool changed = m_state != State::Armed;
    m_state = State::Armed;
    if (m_order.moment.isValid() && !m_condition)
        m_time->armAt(m_order.moment);
    else
        m_time->arm(mode, fields);
    // The buses are knocked at now, not when every millisecond counts.
    m_power.prepare();
    if (changed)
        emit stateChanged(m_state);
    else
        emit ticked();
}

bool ArmingController::stop()
{
    if (m_state == State::Requesting)
        return false;
    if (m_state == State::Idle)
        return true;
    // The schedule stops before anybody hears of it; a command running ends with all it
    // started.
    m_step->end();
    dropCondition();
    m_time->disarm();
    closeWarning();
    setState(State::Idle);
    return true;
}

bool ArmingController::abandon()
{
    if (m_state != State::Requesting || !m_unanswered)
        return false;
    ++m_requestId;
    setState(State::Idle);
    return true;
}

void ArmingController::setWarningLead(int seconds)
{
    m_warningEnabled = seconds > 0;
    m_time->setLeadSeconds(seconds);
}

void ArmingController::postpone(int seconds)
{
    if (!canPostpone() || seconds <= 0)
        return;
    closeWarning();
    if (m_condition) {
        m_extraSeconds = std::min(MaximumSeconds, m_extraSeconds + seconds);
        // The job is done already: the countdown to the action grows.
        if (m_state == State::Armed)
            m_time->postpone(seconds);
    } else {
        m_time->postpone(seconds);
    }
    emit moved();
    emit ticked();
}

QString ArmingController::status() const
{
    switch (m_state) {
    case State::Idle:
        return QString();
    case State::Waiting:
        if (!m_condition)
            return QString();
        if (m_extraSeconds > 0)
            return tr("%1, then %2 more")
                .arg(m_condition->progress(),
                     QStringLiteral("%1:%2:%3")
                         .arg(m_extraSeconds / 3600)
                         .arg(m_extraSeconds / 60 % 60, 2, 10, QLatin1Char('0'))
                         .arg(m_extraSeconds % 60, 2, 10, QLatin1Char('0')));
        return m_condition->progress();
    case State::Running:
        return m_step->status();
    case State::Armed:
        return PowerTexts::armedStatus(m_order.action, m_time->mode() == TimeMode::Countdown,
                                       m_time->secondsUntilDue() - 1, m_time->targetTime());
    case State::Requesting:
        return m_unanswered ? tr("no answer from the system yet: it may still be carried out")
                            : tr("the request is on its way");
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
    if (state == State::Idle) {
        dropCondition();
        m_step->end();
    }
    m_state = state;
    emit stateChanged(state);
}

void ArmingController::onWarning()
{
    if (!m_warningEnabled)
        return;
    // Given again (the computer slept in its minute: nobody may have seen it): withdrawn and
    // presented anew.
    if (m_warning)
        closeWarning();
    m_warning = true;
    emit warningChanged();
}

QString ArmingController::warningText() const
{
    return PowerTexts::warningText(m_order.action, std::max<qint64>(0, m_time->secondsUntilDue()));
}

void ArmingController::closeWarning()
{
    if (!m_warning && m_notice.isEmpty())
        return;
    m_warning = false;
    m_notice.clear();
    emit warningChanged();
}

void ArmingController::onDue()
{
    // The warning's Postpone and Cancel could no longer be kept.
    closeWarning();
    // A wait's condition is watched no more once the request goes out.
    if (m_condition)
        m_condition->stop();
    if (m_step->pending()) {
        setState(State::Running);
        m_step->start(m_order.action == Action::RunCommand);
    } else {
        request();
    }
}

void ArmingController::request()
{
    m_unanswered = false;
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
    if (result.accepted && endsSession(m_order.action)) {
        emit accepted();
        return;
    }
    if (result.accepted) {
        // Sleep, lock and display off leave the program running, disarmed: waking never
        // repeats them.
        setState(State::Idle);
        emit carriedOut(m_order.action);
        return;
    }
    if (result.unanswered) {
        // Not refused: the system may still carry it out, so nothing is disarmed and
        // nothing else may be armed in its place.
        qCWarning(lcOrvanta).noquote()
            << QStringLiteral("%1: no answer yet: %2")
                   .arg(PowerTexts::actionName(m_order.action), result.error);
        m_unanswered = true;
        emit unanswered(m_order.action);
        emit ticked();
        return;
    }
    qCWarning(lcOrvanta).noquote()
        << QStringLiteral("%1%2 was refused: %3")
               .arg(PowerTexts::actionName(m_order.action),
                    m_order.force ? QStringLiteral(" (forced)") : QString(), result.error);
    setState(State::Idle);
    emit refused(m_order.action, m_order.force, result);
}

// ---- the user's command (see CommandStep) ----

void ArmingController::setCommandRunner(CommandRunner *runner)
{
    m_step->setRunner(runner);
}

void ArmingController::setCommand(const CommandChoices &command)
{
    m_step->setChoices(command);
}

const CommandChoices &ArmingController::command() const
{
    return m_step->choices();
}

QString ArmingController::commandProblem(const ArmOrder &order) const
{
    QString why;
    m_step->prepare(order, &why);
    return why;
}

void ArmingController::onCommandEnded(const CommandEnd &end)
{
    const bool asAction = m_order.action == Action::RunCommand;
    bool act = false;
    const QString report = m_step->conclude(end, asAction, &act);
    if (act) {
        emit commandEnded(report, false);
        request();
        return;
    }
    setState(State::Idle);
    emit commandEnded(report, !end.succeeded() || m_step->limitReached());
    if (asAction && end.succeeded())
        emit carriedOut(Action::RunCommand);
}
