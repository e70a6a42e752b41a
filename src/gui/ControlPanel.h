#pragma once

#include "core/ArmingController.h"
#include "core/Settings.h"

#include <QWidget>

#include <array>

class DesignLayout;
class ForceCheckBox;
class OptionButton;
class QCheckBox;
class QLabel;
class QPushButton;
class TimeRow;

// The main window's client area: the action, Force, the two rows of time settings, Start
// and the button that hides the window. It holds the user's choices and reports every
// change; what they mean is decided by the window.
class ControlPanel final : public QWidget
{
    Q_OBJECT
public:
    // Creates the controls, placed through `layout`.
    ControlPanel(DesignLayout &layout, QWidget *parent);

    Action selectedAction() const;
    TimeMode selectedMode() const;
    TimeRow *row(TimeMode mode) const;
    QPushButton *startButton() const { return m_startButton; }

    // What Start arms: the selected action, whether Force is ticked, the mode and its row.
    ArmOrder order() const;
    // Selects and fills as the user would (each control's change handling runs).
    void setOrder(const ArmOrder &order);
    // The saved state of the controls (the warning is the window's).
    Choices choices() const;
    void setChoices(const Choices &choices);

    // Start, Stop, or a request on its way that nothing can stop: the button's face, and
    // the entry controls open only while idle.
    void showState(ArmingController::State state);
    // While a wait besides the clock is armed, `status` says what it waits for in place
    // of the time rows; empty brings the rows back as they were.
    void showWaiting(const QString &status);
    // Greys the actions the system cannot carry out, each with the reason as its tool tip.
    void showCapabilities(const ArmingController &arming);
    // Greys "Wake the computer" with `whyNot` as its tool tip where it cannot be woken.
    void showWakeCapability(const QString &whyNot);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // A choice, a field or a spin button changed, by the user or by assignment.
    void edited();
    void startClicked();
    void hideClicked();
    // More time, in seconds, for whatever is armed (the button beside Stop).
    void moreTimeChosen(int seconds);

private:
    void setMode(TimeMode mode);
    void setEntryEnabled(bool enabled);
    void enableActions();
    void enableWake();

    std::array<OptionButton *, ActionCount> m_actionButtons{}; // indexed by Action
    std::array<QString, ActionCount> m_whyNot;                 // empty: possible
    bool m_entryEnabled = true;
    ForceCheckBox *m_forceBox = nullptr;
    std::array<OptionButton *, 2> m_modeButtons{}; // indexed by TimeMode
    TimeRow *m_countdownFields = nullptr;
    TimeRow *m_clockFields = nullptr;
    QPushButton *m_startButton = nullptr;
    QPushButton *m_hideButton = nullptr;
    QPushButton *m_moreTimeButton = nullptr;
    QLabel *m_waitStatus = nullptr;
    QCheckBox *m_wakeBox = nullptr;
    QString m_wakeWhyNot;
};
