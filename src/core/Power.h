#pragma once

#include <QString>

#include <functional>

#include <array>

// What the program can do; the values are the stored "Action" setting.
enum class Action
{
    LogOff = 0,
    PowerOff = 1,
    Restart = 2,
    Sleep = 3,
    Hibernate = 4,
    Lock = 5,
    DisplayOff = 6,
    RunCommand = 7 // the user's own command instead of a power action
};
inline constexpr int ActionCount = 8;
inline constexpr std::array<Action, ActionCount> AllActions = {
    Action::LogOff,    Action::PowerOff, Action::Restart,    Action::Sleep,
    Action::Hibernate, Action::Lock,     Action::DisplayOff, Action::RunCommand};
// The actions the system carries out; the schedules and --check know these alone.
inline constexpr int PowerActionCount = 7;

constexpr bool isPowerAction(Action action)
{
    return action != Action::RunCommand;
}

// Whether the program's work ends with the action: the session or the computer stops. The
// others (sleep, hibernate, lock, display off) leave it running, disarmed.
constexpr bool endsSession(Action action)
{
    return action == Action::LogOff || action == Action::PowerOff || action == Action::Restart;
}

// Of two actions due at the same moment, the one that goes out: the one that ends more
// (power off over restart over log off over hibernate over sleep over lock over display off,
// and any of them over the user's command). The other is left out, and said so: after a
// power off, a sleep would mean nothing.
constexpr int weight(Action action)
{
    constexpr std::array<int, ActionCount> weights = {4, 6, 5, 2, 3, 1, 0, -1};
    return weights[static_cast<std::size_t>(action)];
}

// Whether the system can carry an action out now, and if not, why, in the user's words
// ("Hibernation is turned off on this computer").
struct Capability
{
    bool possible = true;
    QString reason;

    bool operator==(const Capability &) const = default;
};
// Indexed by Action.
using Capabilities = std::array<Capability, ActionCount>;

namespace PowerTexts {
// "log off", "power off", "restart", "sleep", ...: how an action is named on standard error
// and by --check.
QString actionName(Action action);
// The action as the window's option button says it: "Turn off computer", "Sleep".
QString actionCaption(Action action);
// The command-line option that asks for it: "--poweroff", "--display-off".
QString actionOption(Action action);
} // namespace PowerTexts

// Why a request was refused, as far as the user can act on it.
enum class Refusal
{
    Other,
    AccessDenied,
    Inhibited,             // another program holds an inhibitor lock
    AuthorizationRequired, // a password would be needed, and nobody is asked for it
    NoService,             // nothing on this system could carry the request out
    NoAnswer,
    NotPossible,      // the system says it cannot do it now
    NoSessionManager, // no session manager can ask programs to save their work
    NotConfirmed,     // asked, but nothing said that it was done (a lock no locker carried out)
    LeftOut,          // another action due at the same moment went out instead (detail names it)
};

struct PowerResult
{
    bool accepted = false;
    // Every step tried and what it answered, for standard error; empty when accepted.
    QString error;
    Refusal refusal = Refusal::Other;
    // The deciding answer's own words (an inhibitor names who holds it and why).
    QString detail;
    // No answer came in time: the request was not refused and may still be carried out.
    // Where the call still waits for its answer (an end-session dialog), `done` is called
    // once more with the final result when that answer comes.
    bool unanswered = false;
};

namespace PowerTexts {
// The refusal in plain words for the message box: what was not done, and why.
QString refusalMessage(Action action, const PowerResult &result);
} // namespace PowerTexts

// The seam to the operating system's power services. `done` is called once, when the
// request has left the process and was accepted or refused (bounded in time), or once more
// after an unanswered result (see PowerResult::unanswered); it may be called before
// request() returns.
class PowerRequester
{
public:
    using Done = std::function<void(const PowerResult &)>;
    using Probed = std::function<void(const Capabilities &)>;
    virtual ~PowerRequester() = default;
    // Asks the system which actions it can carry out; `probed` is called exactly once,
    // bounded in time, maybe before probe() returns. Never blocks.
    virtual void probe(Probed probed) { probed(Capabilities{}); }
    // The action may be asked for soon (a schedule was armed): a requester may get its
    // services ready now, off the firing path. Never blocks; may be called again.
    virtual void prepare() {}
    // force: other programs may not hold the request up. An action that leaves the program
    // running (sleep, lock, ...) is accepted only once it was carried out as far as the
    // system tells: a lock once the screen is locked.
    virtual void request(Action action, bool force, Done done) = 0;
};

namespace PowerTexts {
// "The computer will be turned off in 4 minutes 12 seconds": the warning before the action.
QString warningText(Action action, qint64 secondsLeft);
} // namespace PowerTexts

namespace PowerTexts {
// What an armed program is about to do: "turning off in 0:12:34" for a countdown,
// "turning off at 23:00:00" for a time of day (targetTime as hhmmss).
QString armedStatus(Action action, bool countdown, qint64 secondsLeft, int targetTime);
} // namespace PowerTexts
