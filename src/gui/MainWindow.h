#pragma once

#include "core/Power.h"
#include "core/TimeRules.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class AboutDialog;
struct Command;
class Clock;
class DesignLayout;
class ForceCheckBox;
class MessageBoxService;
class Notifier;
class OptionButton;
class QAction;
class QMenu;
class QPushButton;
class Schedule;
class SettingsStore;
class TimeRow;
class TrayAnimator;
class TrayWatcher;
class TrayController;
class WebOpener;

// Everything the main window reaches outside the process through. Not owned.
struct MainWindowServices
{
    PowerRequester *power = nullptr;
    SettingsStore *settings = nullptr;
    MessageBoxService *messages = nullptr;
    WebOpener *web = nullptr;
    Clock *clock = nullptr;
    TrayAnimator *trayAnimator = nullptr;
    // Warns before the action; may be null (the tray icon's balloon says it then).
    Notifier *notifier = nullptr;
};

// The main window: the action, Force, the time settings, Start/Stop and the button that
// hides the window into the notification area; File and Help menus, and the tray menu.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowServices &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Sets the caption and loads the settings; then shows the window centred on its screen.
    void start();
    // Puts the icon into the notification area. menuDrawnByHost: the area draws the icon's
    // menu itself. watcher (may be null) tells when an area comes or goes.
    void addTrayIcon(bool menuDrawnByHost, TrayWatcher *watcher);

    // Does what a command line asks, as the user would in the window: arming sets the
    // choices and presses Start (nothing is saved). Returns why not, or nothing.
    QString apply(const Command &command);

    bool armed() const;
    Schedule *schedule() const { return m_schedule; }

signals:
    // The window has closed for good; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls(DesignLayout &layout);
    void buildMenus();

    void onStartClicked();
    void onActionSelected();
    void onModeSelected(TimeMode mode);
    void onCountdownWritten(int index, const QString &text);
    void onWarning(qint64 secondsLeft);
    void updateToolTip();
    void onDue();
    void onPowerAnswered(Action action, bool force, const PowerResult &result);
    void arm();
    void disarm();
    void setArmedFace(bool armed);
    void setEntryEnabled(bool enabled);
    void setSettingsChanged(bool changed);
    void saveSettings();
    void loadSettings();
    void showAbout();
    void openHomePage();
    void openOtherPrograms();

    Action selectedAction() const;
    TimeMode selectedMode() const;

    MainWindowServices m_services;
    Schedule *m_schedule = nullptr;
    bool m_closed = false;
    bool m_settingsChanged = false;

    std::array<OptionButton *, 3> m_actionButtons{}; // indexed by Action
    ForceCheckBox *m_forceBox = nullptr;
    std::array<OptionButton *, 2> m_modeButtons{}; // indexed by TimeMode
    TimeRow *m_countdownFields = nullptr;
    TimeRow *m_clockFields = nullptr;
    QPushButton *m_startButton = nullptr;
    QPushButton *m_hideButton = nullptr;

    QMenu *m_trayMenu = nullptr;
    QAction *m_restoreAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_loadAction = nullptr;
    QAction *m_hideAction = nullptr;
    QAction *m_warnAction = nullptr;
    QAction *m_homePageAction = nullptr;
    QAction *m_otherProgramsAction = nullptr;

    TrayController *m_tray = nullptr;
    QPointer<AboutDialog> m_about;
};
