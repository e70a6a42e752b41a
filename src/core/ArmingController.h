#pragma once

#include "core/Power.h"
#include "core/TimeRules.h"
#include "core/UserCommand.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class Clock;
class Condition;
class ArmedTime;
class CommandStep;
class CommandRunner;

// What Start, or a command line, asks for.
struct ArmOrder
{
    Action action = Action::LogOff;
    bool force = false; // other programs may not hold the action up
    TimeMode mode = TimeMode::Countdown;
    std::array<QString, 3> fields; // hours, minutes, seconds of the row in use
    // A schedule's occurrence: armed for this moment in real time, not from the fields.
    QDateTime moment;
    // A time of day: the computer is woken from sleep for it.
    bool wake = false;
    // Action::RunCommand: the line to run; empty for the settings' (see setCommand()).
    QString command{};
};

// The life of one armed action: Idle, Waiting (for a condition besides the clock: a
// program's end, a quiet computer, nobody at it), Armed (the schedule runs, the warning
// comes a minute before; after a condition held, the warning minute itself), Requesting
// (the action has been asked of the system and cannot be stopped any more), and then
// either the end of the program (accepted) or Idle again (refused, with the reason). Its
// owner, the arming service, presents its warning (warningText() while warning()) beside
// those of anything else armed, and routes Postpone, Cancel, Stop and --cancel here.
class ArmingController final : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        Idle,
        Waiting,
        Armed,
        // The user's command runs: before the action once the warning minute is over, or
        // as the action. Stop ends it and everything it started.
        Running,
        Requesting
    };

    ArmingController(const Clock &clock, PowerRequester &power, QObject *parent = nullptr);
    ~ArmingController() override;

    State state() const { return m_state; }
    // Waiting, Armed or Running: Stop and Cancel still apply.
    bool armed() const
    {
        return m_state == State::Waiting || m_state == State::Armed || m_state == State::Running;
    }
    // The condition armed with armWhen(), while Waiting or in its warning minute.
    const Condition *condition() const { return m_condition; }
    const ArmOrder &order() const { return m_order; }
    const ArmedTime &armedTime() const { return *m_time; }

    // What the system can carry out, as its owner last heard; until told, everything.
    void setCapabilities(const Capabilities &capabilities) { m_capabilities = capabilities; }
    // Empty when the system can carry `action` out, as far as it said; else why not.
    QString whyNot(Action action) const;

    // The platform's way to run the user's command; without one, commands are refused.
    void setCommandRunner(CommandRunner *runner);
    // The settings' command: what Run a command runs, and whether it runs before the
    // others. Taken at arming: a change leaves what is armed as it was.
    void setCommand(const CommandChoices &command);
    const CommandChoices &command() const;
    // Empty when the command `order` needs (as its action, or before it) can be run; else
    // why not (nothing to run, no such program, a line the platform's rules refuse).
    QString commandProblem(const ArmOrder &order) const;

    // Arms anew: what was armed or waited for is replaced. False when the time is refused
    // (see ArmedTime::arm), the action cannot be carried out (whyNot) or a request is already
    // on its way; nothing changes then.
    bool arm(const ArmOrder &order);
    // Waits for `condition` (taken over, not started), then gives the warning minute and
    // requests the action (`command`: Action::RunCommand's line, as in ArmOrder); what was
    // armed or waited for is replaced once the condition has started. False with the reason
    // when it cannot be waited for (a program gone already, nothing to read), the action
    // cannot be carried out, or a request is on its way; nothing changes then.
    bool armWhen(Action action, bool force, Condition *condition, QString *error,
                 const QString &command = QString());
    // Requesting, and the system has not answered in time: given up, back to Idle, so that
    // something else may be armed; a late answer is ignored. False in any other state.
    bool abandon();
    // Armed, Waiting or Running (the command is ended): back to Idle, true. Idle: nothing
    // to stop, true. Requesting: too late, false.
    bool stop();
    // More time: armed for a time, the action is due `seconds` of real time later (a
    // schedule's occurrence only, not its schedule); waiting for a job, the action comes
    // that much longer after the job is done (in its warning minute too).
    void postpone(int seconds);
    // Whether postpone() would change anything now: armed or waiting.
    bool canPostpone() const { return armed(); }
    // How long before the action the warning comes; 0: none, the action follows at once.
    void setWarningLead(int seconds);
    // What is being waited for, as the window and the tray icon's tool tip say it:
    // "turning off in 0:12:34", "firefox (1234) still running"; empty while idle.
    QString status() const;
    // "Orvanta — " and the status; empty while idle.
    QString toolTip() const;
    // The warning minute has begun and was not answered yet.
    bool warning() const { return m_warning; }
    // "The computer will be turned off in 4 minutes 12 seconds", as the seconds run down.
    QString warningText() const;
    // Why a wait's warning was withdrawn; shown until anything else happens.
    const QString &notice() const { return m_notice; }

    // What the notification's one "more time" action gives.
    static constexpr int PostponeSeconds = 10 * 60;
    // The most a countdown, or a wait's time after its job, can be moved on to.
    static constexpr int MaximumSeconds = 99 * 3600 + 59 * 60 + 59;

signals:
    void stateChanged(ArmingController::State state);
    // arm() or armWhen() took a new order (also one replacing another in the same state).
    void ordered();
    // `text` belongs into field `index` of the row in use (see ArmedTime::fieldWritten).
    void fieldWritten(int index, const QString &text);
    // Once a second while armed: the tool tip may have changed.
    void ticked();
    // postpone() moved the action on: whatever shows its time shows it anew.
    void moved();
    // warning() or notice() changed: the warning minute began, or is over (disarmed,
    // postponed, replaced, due), or a wait began again.
    void warningChanged();
    // The system took the request of an action that ends the session: the program ends.
    void accepted();
    // An action that leaves the program running was carried out; the state is Idle again.
    void carriedOut(Action action);
    // The system said no; the state is Idle again.
    void refused(Action action, bool force, const PowerResult &result);
    // The condition can no longer be watched; the state is Idle again.
    void conditionFailed(const QString &reason);
    // A wait's condition held no more in its warning minute: the warning is withdrawn and
    // the state is Waiting again. `text` says why, for the user.
    void warningWithdrawn(const QString &text);
    // The user's command has ended; `report` says how, where its output is and what became
    // of the action (its first paragraph), and the last lines it wrote on failure. failed:
    // it did not succeed, or the action was cancelled because of it (the state is Idle).
    void commandEnded(const QString &report, bool failed);
    // No answer came in time: not refused, and it may still be carried out. The state
    // stays Requesting.
    void unanswered(Action action);
    // A moment armed for went by unseen (slept through, the clock set past it): nothing was
    // requested. The state is Idle next.
    void passedUnseen();

private:
    void setState(State state);
    void onWarning();
    void onDue();
    void onAnswer(const PowerResult &result);
    void onConditionMet();
    void enterArmed(TimeMode mode, const std::array<QString, 3> &fields);
    void onConditionLapsed(const QString &why);
    void onConditionFailed(const QString &reason);
    void dropCondition();
    void closeWarning();
    void request();
    void onCommandEnded(const CommandEnd &end);

    PowerRequester &m_power;
    ArmedTime *m_time;
    State m_state = State::Idle;
    ArmOrder m_order;
    Condition *m_condition = nullptr;
    bool m_warningEnabled = true;
    // A wait's more time: how long after the job is done the action comes (besides the
    // warning's lead).
    int m_extraSeconds = 0;
    // Which request an answer belongs to; a late answer of an abandoned one is ignored.
    quint64 m_requestId = 0;
    bool m_unanswered = false;
    bool m_warning = false;
    QString m_notice;
    Capabilities m_capabilities{};
    // The user's command: before the action, or as it.
    CommandStep *m_step;
};
