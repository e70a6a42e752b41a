#pragma once

#include "core/Power.h"

#include <QObject>

class ArmingService;
class ControlPanel;
class MessageBoxService;
class QWidget;
class TrayController;

// What the system says about the actions, told to the user: which it cannot carry out
// (asked when the window is prepared and again each time it shows, so that a changed
// system is seen; greyed in the panel with the reason), and a request it refused (the
// window comes back and a message says why).
class ActionFeedback final : public QObject
{
    Q_OBJECT
public:
    ActionFeedback(QWidget &window, ArmingService &service, ControlPanel &panel,
                   TrayController &tray, MessageBoxService &messages);

    // Asks the system what it can carry out now; the panel follows the answer.
    void probe();
    // Whether `action` cannot be armed; if so, a message has said why.
    bool refuse(Action action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onRefused(Action action, const PowerResult &result);

    QWidget &m_window;
    ArmingService &m_service;
    ControlPanel &m_panel;
    TrayController &m_tray;
    MessageBoxService &m_messages;
    bool m_shownBefore = false;
    bool m_closed = false;
};
