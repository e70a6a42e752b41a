#pragma once

#include "core/Wait.h"

#include <QObject>

class ArmingService;
class ControlPanel;
class MessageBoxService;
class QMenu;
class QMenuBar;
class QWidget;
class SettingsStore;

// The Wait menu and what it starts: a dialog for each kind of wait, remembered choices, and
// the wait armed with the window's action and Force.
class WaitMenu final : public QObject
{
    Q_OBJECT
public:
    WaitMenu(QMenuBar &bar, QWidget &window, ArmingService &service, SettingsStore &settings,
             MessageBoxService &messages, ControlPanel &panel);

    QMenu *menu() const { return m_menu; }
    // Arms a wait through the arming service with the action and Force of the window; returns
    // why not, or nothing. What cannot be waited for leaves an armed action as it is.
    QString start(const WaitOrder &order);

private:
    void choose(WaitOrder::Kind kind);

    QWidget &m_window;
    ArmingService &m_service;
    SettingsStore &m_settings;
    MessageBoxService &m_messages;
    ControlPanel &m_panel;
    QMenu *m_menu;
};
