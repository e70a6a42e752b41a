#pragma once

#include "core/ArmingController.h"
#include "core/CommandLine.h"
#include "core/Power.h"
#include "core/TimeRules.h"
#include "core/Wait.h"

#include <QMainWindow>
#include <QPointer>

class AboutDialog;
class ActionFeedback;
class ArmingService;
class ControlPanel;
class MessageBoxService;
class QAction;
class QMenu;
class QTimer;
class MenuCorner;
class ScheduleHost;
class SettingsActions;
class SettingsStore;
class TrayAnimator;
class TrayWatcher;
class TrayController;
class WaitMenu;
class WebOpener;

// Everything the main window reaches outside the process through. Not owned.
struct MainWindowServices
{
    // What is armed, from every door; the window is one view of it.
    ArmingService *arming = nullptr;
    SettingsStore *settings = nullptr;
    MessageBoxService *messages = nullptr;
    WebOpener *web = nullptr;
    TrayAnimator *trayAnimator = nullptr;
};

// The main window: the action, Force, the time settings, Start/Stop and the button that
// hides the window into the notification area; File and Help menus. What is armed, and
// what happens when it is due, belongs to the arming service; the window shows its state.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowServices &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // prepare(), then showCentred().
    void start();
    // Sets the caption and loads the settings, the window still out of sight: a command line
    // given to the first start is applied first, and one refused never shows it.
    void prepare();
    // Shows the window centred on its screen.
    void showCentred();
    // Started with the session: only the icon shows; the window comes with --show or the icon.
    void startHidden(bool menuDrawnByHost, TrayWatcher *watcher);
    // Puts the icon into the notification area. menuDrawnByHost: the area draws the icon's
    // menu itself. watcher (may be null) tells when an area comes or goes.
    void addTrayIcon(bool menuDrawnByHost, TrayWatcher *watcher);

    // Does what a command line asks through the arming service, and brings the window forward
    // where it arms or asks to be shown (nothing is saved).
    CommandOutcome apply(const Command &command);

signals:
    // The window has closed for good; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void placeCentred();

    void onStartClicked();
    void showStatus();
    // The refresh every few seconds of a wait whose progress moves with the clock, only while
    // the window is in view: hidden, the program sleeps until something happens.
    void updateRefresh();
    void onStateChanged(ArmingController::State state);
    void onFieldWritten(int index, const QString &text);
    // What is armed by hand shows in the panel, whichever door armed it.
    void onOrdered();
    void updateTrayEntries();
    void showAbout();
    void openAddress(const QString &page);

    MainWindowServices m_services;
    ArmingService &m_service;
    ArmingController *m_arming = nullptr;
    bool m_closed = false;
    // showCentred() has run: a command may bring the window forward.
    bool m_shown = false;
    // startHidden() has run: no first start's command will show the window.
    bool m_startedHidden = false;
    // The system took the request: the program is ending because of it.
    bool m_accepted = false;
    // Why a wait's warning was withdrawn, shown while it waits again.
    QString m_withdrawn;
    // How the user's command last ended, in the tool tip until something is armed again.
    QString m_commandReport;

    ControlPanel *m_panel = nullptr;
    ActionFeedback *m_feedback = nullptr;
    ScheduleHost *m_schedules = nullptr;
    MenuCorner *m_corner = nullptr;

    SettingsActions *m_settingsActions = nullptr;
    WaitMenu *m_waitMenu = nullptr;

    TrayController *m_tray = nullptr;
    QTimer *m_refresh = nullptr;
    QPointer<AboutDialog> m_about;
};
