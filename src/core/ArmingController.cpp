#include "core/ArmingController.h"

#include "core/ArmedTime.h"
#include "core/CommandJob.h"
#include "core/Condition.h"
#include "core/Log.h"

#include <QPointer>
#include <QTimer>

#include <algorithm>

ArmingController::ArmingController(const Clock &clock, PowerRequester &power, QObject *parent)
    : QObject(parent), m_power(power), m_time(new ArmedTime(clock, this)),
      m_commandTick(new QTimer(this)), m_commandLimit(new QTimer(this))
{
    // The status counts the command's running time up, a second at a time.
    m_commandTick->setInterval(1000);
    connect(m_commandTick, &QTimer::timeout, this, &ArmingController::ticked);
    m_commandLimit->setSingleShot(true);
    m_commandLimit->setTimerType(Qt::PreciseTimer);
    connect(m_commandLimit, &QTimer::timeout, this, [this] {
        m_limitReached = true;
        if (m_job)
            m_job->stop();
    });
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
    std::optional<QStringList> command = prepareCommand(order, &why);
    if (!why.isEmpty())
        return false;
    // What was armed or waited for goes first, quietly: the state changes once, to Armed.
    endCommand();
    m_armedCommand = command.value_or(QStringList());
    m_armedChoices = m_command;
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
    std::optional<QStringList> prepared = prepareCommand(order, &commandError);
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
    endCommand();
    m_armedCommand = prepared.value_or(QStringList());
    m_armedChoices = m_command;
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

bool ArmingController::stop()
{
    if (m_state == State::Requesting)
        return false;
    if (m_state == State::Idle)
        return true;
    // The schedule stops before anybody hears of it; a command running ends with all it
    // started.
    endCommand();
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
        return CommandTexts::running(CommandTexts::programName(m_armedCommand.value(0)),
                                     m_job ? m_job->elapsedMs() : 0);
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
        endCommand();
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
    if (!m_armedCommand.isEmpty())
        startCommand();
    else
        request();
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

// ---- the user's command ----

std::optional<QStringList> ArmingController::prepareCommand(const ArmOrder &order,
                                                            QString *why) const
{
    const bool asAction = order.action == Action::RunCommand;
    if (!asAction && (!m_command.before || m_command.line.trimmed().isEmpty()))
        return std::nullopt;
    if (!m_runner) {
        *why = tr("Commands cannot be run here.");
        return std::nullopt;
    }
    const QString line = asAction && !order.command.isEmpty() ? order.command : m_command.line;
    if (line.trimmed().isEmpty()) {
        *why = tr("No command is set: enter one under File > Command.");
        return std::nullopt;
    }
    std::optional<QStringList> arguments = m_runner->split(line, why);
    if (!arguments)
        return std::nullopt;
    const std::optional<QString> program = UserCommands::findProgram(arguments->first(), why);
    if (!program)
        return std::nullopt;
    arguments->first() = *program;
    return arguments;
}

QString ArmingController::commandProblem(const ArmOrder &order) const
{
    QString why;
    prepareCommand(order, &why);
    return why;
}

void ArmingController::startCommand()
{
    m_limitReached = false;
    setState(State::Running);
    m_job = new CommandJob(m_runner->makeGroup(), this);
    connect(m_job, &CommandJob::finished, this, &ArmingController::onCommandEnded);
    m_job->start(m_armedCommand.first(), m_armedCommand.mid(1), m_runner->logPath());
    m_commandTick->start();
    // As the action, the command has all the time it takes; before one, its limit.
    if (m_order.action != Action::RunCommand)
        m_commandLimit->start(std::chrono::seconds(m_armedChoices.limitSeconds));
}

void ArmingController::endCommand()
{
    m_commandTick->stop();
    m_commandLimit->stop();
    if (CommandJob *job = std::exchange(m_job, nullptr))
        job->discard();
}

void ArmingController::onCommandEnded(const CommandEnd &end)
{
    // A job stopped at its limit still kills what is left of its group a little later.
    endCommand();
    const bool asAction = m_order.action == Action::RunCommand;
    const bool failed = !end.succeeded();
    const QString log = m_runner->logPath();
    QString report =
        CommandTexts::report(CommandTexts::programName(m_armedCommand.first()), end, log);
    bool act = !asAction;
    if (!asAction && m_limitReached) {
        act = m_armedChoices.actAtLimit;
        report += u'\n' + (act ? tr("It ran out of its time limit: the action goes ahead.")
                               : tr("It ran out of its time limit: the action was cancelled."));
    } else if (!asAction && failed) {
        act = m_armedChoices.actOnFailure;
        report +=
            u'\n' + (act ? tr("The action goes ahead anyway.") : tr("The action was cancelled."));
    }
    // The last lines it wrote say why it failed, below what became of the action.
    if (const QString last = failed ? CommandTexts::lastLines(log) : QString(); !last.isEmpty())
        report += QStringLiteral("\n\n") + last;
    qCWarning(lcOrvanta).noquote() << report;
    if (act) {
        emit commandEnded(report, false);
        request();
        return;
    }
    setState(State::Idle);
    emit commandEnded(report, failed || m_limitReached);
    if (asAction && !failed)
        emit carriedOut(Action::RunCommand);
}
