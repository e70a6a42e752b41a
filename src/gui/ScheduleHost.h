#pragma once

#include "core/CommandLine.h"
#include "core/RepeatRule.h"

#include <QObject>
#include <QPointer>

class ArmingController;
class Autostart;
class Clock;
class MessageBoxService;
class PowerRequester;
class QLabel;
class RepeatRunner;
class SchedulesDialog;
class SettingsStore;
class QWidget;

// The repeating schedules beside what the window arms by hand: a controller of their own
// (its warning always in a window of its own, so that it never takes the window's
// notification away), the runner, the Schedules window, the settings group they live in and
// the entry that starts the program with the session while any is on.
class ScheduleHost final : public QObject
{
    Q_OBJECT
public:
    // autostart may be null (nothing starts the program with the session then).
    ScheduleHost(QWidget &window, const Clock &clock, PowerRequester &power, SettingsStore &store,
                 Autostart *autostart, MessageBoxService &messages);
    ~ScheduleHost() override;

    // Reads the stored schedules and plans the next occurrence; after connecting.
    void load();
    // "Next: Monday 23:30 — Turn off computer" (and what was missed); empty with none on.
    QString toolTip() const;
    void showDialog();
    // What the system said it can carry out: the Schedules window greys the rest, and a
    // command line adding one of them is refused with the reason.
    void setCapabilities(const Capabilities &capabilities);
    // A command line's change to the schedules, or their list.
    CommandOutcome apply(const ScheduleEdit &edit);
    ArmingController &arming() const { return *m_arming; }
    // "Next: Mon 23:30" for the corner of the menu bar, the tool tip's lines as its own tool
    // tip; hidden while no schedule is on.
    QLabel *statusLabel() const { return m_status; }

signals:
    // The tool tip may have changed.
    void changed();
    // A scheduled action that ends the session was accepted: the program ends.
    void sessionEnds();

private:
    void commit(std::vector<RepeatSchedule> schedules);
    void updateAutostart();
    QString startNote() const;
    void showNext();
    QList<RepeatRule> rules() const;

    QWidget &m_window;
    SettingsStore &m_store;
    Autostart *m_autostart;
    MessageBoxService &m_messages;
    ArmingController *m_arming;
    RepeatRunner *m_runner;
    QPointer<SchedulesDialog> m_dialog;
    QLabel *m_status;
    // Why the session's entry could not be made or removed; said in the Schedules window.
    QString m_autostartError;
    Capabilities m_capabilities{};
};
