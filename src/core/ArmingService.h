#pragma once

#include "core/ArmingController.h"
#include "core/CommandLine.h"
#include "core/ScheduleRule.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class Autostart;
class AwakeHold;
class Clock;
class CommandRunner;
class Notifier;
class PowerKeeper;
class RequestDesk;
class ScheduleRunner;
class SettingsStore;
class WakeAlarm;
class WarningPresenter;
class Waits;

// The one owner of everything armed, whichever door it came from: the window, the Schedules
// window, the Wait menu, the tray and the command line (a first start, a hand-off, an edit
// while nothing runs) all arm, warn, cancel and ask what the system can do through here.
//
// It holds two controllers: what the user arms by hand (a countdown, a time of day, a wait)
// and the schedules' next occurrence. Their requests reach the system one at a time through
// one desk: two due at the same moment go out as one request (the action that ends most,
// see weight(); the other is refused with the reason, never dropped unsaid), and a request
// while another of the same action is on its way shares its answer. One warning presents
// everything in its warning minute: the desktop's notification where one with actions
// answers, else the window's (present()); its Postpone and Cancel reach every item it shows.
// What the system can carry out is asked once and refreshed on demand, and shared by every
// door.
class ArmingService final : public QObject
{
    Q_OBJECT
public:
    struct Seams
    {
        const Clock *clock = nullptr;
        PowerRequester *power = nullptr;
        // The desktop's notification; may be null (the window's own warning then).
        Notifier *notifier = nullptr;
        // The schedules' settings group; may be null (no schedules then).
        SettingsStore *schedules = nullptr;
        // Starts the program with the session while a schedule is on; may be null.
        Autostart *autostart = nullptr;
        // Waits besides the clock; may be null (none then).
        Waits *waits = nullptr;
        // Holds off the desktop's automatic sleep while armed; may be null.
        AwakeHold *awake = nullptr;
        // Wakes the computer from sleep for a time of day; may be null (it cannot then).
        WakeAlarm *wake = nullptr;
    };

    explicit ArmingService(const Seams &seams, QObject *parent = nullptr);
    ~ArmingService() override;

    // What the user arms by hand.
    ArmingController &hand() const { return *m_hand; }
    // The schedules' occurrence.
    ArmingController &scheduled() const { return *m_scheduled; }
    bool hasSchedules() const { return m_runner != nullptr; }
    bool hasWaits() const { return m_seams.waits != nullptr; }
    Waits *waits() const { return m_seams.waits; }

    // Asks the system what it can carry out; capabilitiesChanged() follows its answer.
    void probeCapabilities();
    bool capabilitiesKnown() const { return m_probed; }
    const Capabilities &capabilities() const { return m_capabilities; }
    // Empty when the system can carry `action` out, as far as it said; else why not.
    QString whyNot(Action action) const;

    // Empty when the computer can be woken from sleep for a time of day, as far as the system
    // said; else why not.
    QString wakeWhyNot() const;
    // How long before the time the computer is woken at least: time to wake, and the warning
    // minute; earlier by a longer warning.
    static constexpr int WakeLeadSeconds = 120;

    // The warning: how long before the action it comes (0: none), whether it asks the
    // desktop for its sound, and the user's own line shown in it (may be empty).
    void setWarning(int leadSeconds, bool sound, const QString &note);
    bool warningSound() const { return m_warningSound; }
    // Whether a countdown, a time of day or a schedule keeps the computer awake until its
    // moment; a wait always does.
    void setKeepAwake(bool on);
    // "The computer is kept awake." while it is; empty otherwise.
    QString awakeNote() const;
    // The platform's way to run the user's command, for what is armed by hand; the
    // schedules run none.
    void setCommandRunner(CommandRunner *runner);
    // Where the command's output goes; empty where commands cannot be run.
    QString commandLogPath() const;

    // Reads the stored schedules and plans the next occurrence; after connecting.
    void loadSchedules();
    const std::vector<StoredSchedule> &schedules() const;
    // The Schedules window's changes, each to the schedule with that key (StoredSchedule::key):
    // a schedule removed meanwhile by a script is never mistaken for another. False with
    // the reason when refused (an action the system cannot carry out; no such schedule).
    bool addSchedule(const ScheduleRule &rule, QString *error);
    bool changeSchedule(int key, const ScheduleRule &rule, QString *error);
    bool removeSchedule(int key, QString *error);
    // "Next: Monday 23:30 — Turn off computer" (and what was missed); empty with none on.
    QString schedulesToolTip() const;
    QDateTime nextOccurrence() const;
    // The line under the Schedules window's list: whether the program starts with the session.
    QString startNote() const;

    // Stops whatever is about to act: the armed action, the wait, the schedule's occurrence
    // in its minute (the schedule stays on for its next). Says what was stopped; TooLate
    // when a request is on its way (nothing is stopped then).
    CommandOutcome stopAll();
    // The warning's more time: every item it shows is due `seconds` later.
    void postponeWarned(int seconds = ArmingController::PostponeSeconds);
    // The warning's Cancel: every item it shows is stopped (a schedule stays on for its next).
    void cancelWarned();
    // The tray's, the window's and --postpone's more time: whatever is armed is moved on.
    void postponeAll(int seconds);
    bool canPostpone() const { return m_hand->canPostpone() || m_scheduled->canPostpone(); }
    bool anythingArmed() const { return m_hand->armed() || m_scheduled->armed(); }
    bool requesting() const;
    // The notification's more time caption ("+10 minutes"); empty when it shows nothing
    // that can be moved on.
    QString postponeCaption() const;

    // What a command line asks, done as the user would in a window (the window follows by
    // signal: ordered(), stateChanged()); answered for its client.
    CommandOutcome apply(const Command &command);

signals:
    void capabilitiesChanged();
    // The schedules, their next or missed occurrence changed.
    void schedulesChanged();
    // No notification could carry the warning: the window's own shows `text`; `postpone` is
    // its Postpone caption, empty for Cancel alone.
    void present(const QString &text, const QString &postpone);
    // The seconds ran down: the window's own warning says `text` now.
    void presentedTextChanged(const QString &text);
    // Nothing is in its warning minute any more.
    void presentationClosed();
    // awakeNote() changed.
    void awakeChanged();
    // A request that ends the session was accepted: the program ends.
    void sessionEnds();
    // Something the user must read that no window's own signal says: a schedule's request
    // refused or unanswered, the schedules not saved, an action left out or joined with
    // another due at the same moment.
    void message(const QString &text);

private:
    CommandOutcome postponeCommand(int seconds);
    void commit(std::vector<StoredSchedule> schedules);
    void updateAutostart();
    QString checkAction(Action action) const;
    QString checkRule(const ScheduleRule &rule) const;

    Seams m_seams;
    std::unique_ptr<RequestDesk> m_desk;
    ArmingController *m_hand;
    ArmingController *m_scheduled;
    ScheduleRunner *m_runner = nullptr;
    Capabilities m_capabilities{};
    bool m_probed = false;
    quint64 m_probeId = 0;
    int m_probesOut = 0;
    std::unique_ptr<WarningPresenter> m_presenter;
    std::unique_ptr<PowerKeeper> m_keeper;
    QString m_autostartError;
    bool m_warningSound = false;
    CommandRunner *m_commands = nullptr;
};
