#pragma once

#include <QObject>

class ArmingService;
class ControlPanel;
class MessageBoxService;
class QAction;
class QWidget;
class SettingsStore;
class WarningMenu;

// The File menu's Save settings, Load settings, the warning's menu, "Keep the computer awake
// until then" and Command: what the window's choices are saved as and loaded from, and whether
// they changed since. Load is offered only while nothing is armed by hand: it would rewrite the
// fields an armed time was taken from.
class SettingsActions final : public QObject
{
    Q_OBJECT
public:
    SettingsActions(QWidget &window, ArmingService &service, ControlPanel &panel,
                    SettingsStore &settings, MessageBoxService &messages);

    QAction *saveAction() const { return m_save; }
    QAction *loadAction() const { return m_load; }
    // The warning's submenu (WarningMenu) as an entry of the File menu.
    QAction *warnAction() const;
    QAction *keepAwakeAction() const { return m_keepAwake; }
    // Opens the command's dialog (CommandDialog).
    QAction *commandAction() const { return m_command; }

    void load();
    void save();
    // The hand's state changed: Load follows it.
    void updateLoad();

private:
    void setChanged(bool changed);
    void applyWarning();

    QWidget &m_window;
    ArmingService &m_service;
    ControlPanel &m_panel;
    SettingsStore &m_settings;
    MessageBoxService &m_messages;
    QAction *m_save;
    QAction *m_load;
    WarningMenu *m_warn;
    QAction *m_keepAwake;
    QAction *m_command;
    bool m_changed = false;
};
