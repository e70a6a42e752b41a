#pragma once

#include "core/UserCommand.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

struct ArmOrder;
class CommandJob;
class CommandRunner;
class QTimer;

// The user's command as a step of an armed action: looked up at arming, run when due
// (before the action, within its time limit, or as the action), ended with all it started
// on Stop, and reported on. Its controller decides what follows.
class CommandStep final : public QObject
{
    Q_OBJECT
public:
    explicit CommandStep(QObject *parent = nullptr);

    // The platform's way to run the command; without one, commands are refused.
    void setRunner(CommandRunner *runner) { m_runner = runner; }
    // The settings' command, taken at arming (take()).
    void setChoices(const CommandChoices &choices) { m_choices = choices; }
    const CommandChoices &choices() const { return m_choices; }

    // The program (looked up) and arguments `order` runs; nothing where it runs none, or
    // with the reason where it cannot be run.
    std::optional<QStringList> prepare(const ArmOrder &order, QString *why) const;
    // Arms what prepare() gave, with the settings' choices of now; nothing: none runs.
    void take(const std::optional<QStringList> &command);
    // Whether a command runs when due.
    bool pending() const { return !m_armed.isEmpty(); }
    // "Running backup for 0:00:12", counted up while it runs.
    QString status() const;

    // Starts the command armed; before an action (not `asAction`) within its time limit.
    void start(bool asAction);
    // Ends the job, if one runs, with everything it started; finished() is not emitted.
    void end();
    // The report on the command that ended as `end` says: how, where its output is, what
    // becomes of the action (`act`: whether it goes ahead) and the last lines it wrote on
    // failure. Ends what is left of the job.
    QString conclude(const CommandEnd &end, bool asAction, bool *act);
    // The command ran out of its time limit.
    bool limitReached() const { return m_limitReached; }

signals:
    // Once a second while it runs.
    void ticked();
    void finished(const CommandEnd &end);

private:
    CommandRunner *m_runner = nullptr;
    CommandChoices m_choices;
    // What runs when due, taken at arming: the program first. Empty: nothing runs.
    QStringList m_armed;
    CommandChoices m_armedChoices;
    CommandJob *m_job = nullptr;
    QTimer *m_tick;
    QTimer *m_limit;
    bool m_limitReached = false;
};
