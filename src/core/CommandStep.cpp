#include "core/CommandStep.h"

#include "core/ArmingController.h"
#include "core/CommandJob.h"
#include "core/Log.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <utility>

CommandStep::CommandStep(QObject *parent)
    : QObject(parent), m_tick(new QTimer(this)), m_limit(new QTimer(this))
{
    // The status counts the command's running time up, a second at a time.
    m_tick->setInterval(1000);
    connect(m_tick, &QTimer::timeout, this, &CommandStep::ticked);
    m_limit->setSingleShot(true);
    m_limit->setTimerType(Qt::PreciseTimer);
    connect(m_limit, &QTimer::timeout, this, [this] {
        m_limitReached = true;
        if (m_job)
            m_job->stop();
    });
}

// The texts keep the context of the controller they were written for.
std::optional<QStringList> CommandStep::prepare(const ArmOrder &order, QString *why) const
{
    const bool asAction = order.action == Action::RunCommand;
    if (!asAction && (!m_choices.before || m_choices.line.trimmed().isEmpty()))
        return std::nullopt;
    if (!m_runner) {
        *why = QCoreApplication::translate("ArmingController", "Commands cannot be run here.");
        return std::nullopt;
    }
    const QString line = asAction && !order.command.isEmpty() ? order.command : m_choices.line;
    if (line.trimmed().isEmpty()) {
        *why = QCoreApplication::translate("ArmingController",
                                           "No command is set: enter one under File > Command.");
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

void CommandStep::take(const std::optional<QStringList> &command)
{
    m_armed = command.value_or(QStringList());
    m_armedChoices = m_choices;
}

QString CommandStep::status() const
{
    return CommandTexts::running(CommandTexts::programName(m_armed.value(0)),
                                 m_job ? m_job->elapsedMs() : 0);
}

void CommandStep::start(bool asAction)
{
    m_limitReached = false;
    m_job = new CommandJob(m_runner->makeGroup(), this);
    connect(m_job, &CommandJob::finished, this, &CommandStep::finished);
    m_job->start(m_armed.first(), m_armed.mid(1), m_runner->logPath());
    m_tick->start();
    // As the action, the command has all the time it takes; before one, its limit.
    if (!asAction)
        m_limit->start(std::chrono::seconds(m_armedChoices.limitSeconds));
}

void CommandStep::end()
{
    m_tick->stop();
    m_limit->stop();
    if (CommandJob *job = std::exchange(m_job, nullptr))
        job->discard();
}

QString CommandStep::conclude(const CommandEnd &end, bool asAction, bool *act)
{
    // A job stopped at its limit still kills what is left of its group a little later.
    this->end();
    const bool failed = !end.succeeded();
    const QString log = m_runner->logPath();
    QString report = CommandTexts::report(CommandTexts::programName(m_armed.first()), end, log);
    *act = !asAction;
    if (!asAction && m_limitReached) {
        *act = m_armedChoices.actAtLimit;
        report += u'\n' + (*act ? QCoreApplication::translate(
                                      "ArmingController",
                                      "It ran out of its time limit: the action goes ahead.")
                                : QCoreApplication::translate(
                                      "ArmingController",
                                      "It ran out of its time limit: the action was cancelled."));
    } else if (!asAction && failed) {
        *act = m_armedChoices.actOnFailure;
        report +=
            u'\n' +
            (*act ? QCoreApplication::translate("ArmingController", "The action goes ahead anyway.")
                  : QCoreApplication::translate("ArmingController", "The action was cancelled."));
    }
    // The last lines it wrote say why it failed, below what became of the action.
    if (const QString last = failed ? CommandTexts::lastLines(log) : QString(); !last.isEmpty())
        report += QStringLiteral("\n\n") + last;
    qCWarning(lcOrvanta).noquote() << report;
    return report;
}
