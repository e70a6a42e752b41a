#pragma once

#include "tray/TrayIconData.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class Clock;
class DesignLayout;
class MessageBoxService;
class OptionButton;
class PowerRequester;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class SettingsStore;
class TickTimer;
class TimeField;
class TrayAnimator;
class TrayIconHost;
class UpDown;
class VbCheckBox;
class WebOpener;
class frmAbout;

// Everything the main window reaches outside the process through. Not owned.
struct ShutdownServices
{
    PowerRequester *power = nullptr;
    SettingsStore *settings = nullptr;
    MessageBoxService *messages = nullptr;
    WebOpener *web = nullptr;
    Clock *clock = nullptr;
    TrayAnimator *trayAnimator = nullptr;
    TrayIconHost *trayHost = nullptr;
    std::function<bool()> previousInstance; // true when another instance already runs
    std::function<void()> endProcess;       // ends the process at once
};

// The main window. Its handlers are named after their source and event; their
// definitions live in the folder of the subsystem they belong to.
class Shutdown final : public QMainWindow
{
    Q_OBJECT
public:
    explicit Shutdown(const ShutdownServices &services, QWidget *parent = nullptr);
    ~Shutdown() override;

    // Shows the window, loading it first (Form_Load) when it is not loaded. Returns false
    // when loading ended the process instead (second instance).
    bool Show();
    // Unloads the window: query unload, close, terminate. Nothing is saved.
    void Unload();
    bool isUnloaded() const { return m_unloaded; }
    int targetTime() const { return TargetTime; }

    // app: start-up and exit
    void Form_Load();
    void Form_QueryUnload(bool &cancel, int unloadMode);
    void Form_Terminate();
    void mnuExit_Click();
    void mnuExit2_Click();

    // schedule: arming, the tick, the power actions
    void startButton_Click();
    void Timer1_Timer();

    // entry: selection, field check, spinners
    void Option1_Click(int Index);
    void Option2_Click(int Index);
    void Check1_Click();
    void Text1_Change(int Index);
    void Text2_Change(int Index);
    void Text1_Validate(int Index, bool &Cancel);
    void Text2_Validate(int Index, bool &Cancel);
    void UpDown1_Change(int Index);
    void UpDown2_Change(int Index);

    // settings
    void mnuSave_Click();
    void mnuLoad_Click();

    // tray
    void mnuShow_Click();
    void mnuMinimize_Click();
    void minimizeButton_Click();
    void trayIcon_DblClick();
    void trayIcon_MenuRequested(const QPoint &globalPos);

    // about and web
    void mnuAbout_Click();
    void mnuAbout2_Click();
    void mnuSDW_Click();
    void mnuOther_Click();

signals:
    // The window has terminated; the program ends.
    void terminated();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls(DesignLayout &layout);
    void buildMenus();
    void wireEvents();

    void ArmTimer();
    void DisarmTimer();
    void setStartButtonFace(const QString &caption, const QString &toolTip, const QString &tag);
    void setEntryControlsEnabled(bool enabled);
    bool LogOffUser();
    bool TurnOffComputer();
    bool RestartComputer();
    bool requestPower(int action);
    void AddTrayIcon();
    void MinimizeToTray();
    void RestoreFromTray();
    void openAbout();
    // The settings-changed flag: the Enabled state of "Load settings" and "Save settings".
    void setSettingsChanged(bool changed);
    void applyRowState(std::array<TimeField *, 3> &fields, std::array<UpDown *, 3> &spinners,
                       bool active);
    void validateField(std::array<TimeField *, 3> &fields, int hourLimit, int index);

    ShutdownServices m_services;
    bool m_loaded = false;
    bool m_unloaded = false;
    bool m_ended = false;

    QWidget *Line3 = nullptr;
    QWidget *Line4 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    std::array<OptionButton *, 3> Option1{};
    std::array<OptionButton *, 2> Option2{};
    VbCheckBox *Check1 = nullptr;
    std::array<TimeField *, 3> Text1{};
    std::array<TimeField *, 3> Text2{};
    std::array<UpDown *, 3> UpDown1{};
    std::array<UpDown *, 3> UpDown2{};
    std::array<QLabel *, 2> Label1{};
    std::array<QLabel *, 2> Label2{};
    std::array<QLabel *, 2> Label3{};
    QPushButton *startButton = nullptr;
    QPushButton *minimizeButton = nullptr;
    TickTimer *Timer1 = nullptr;

    QMenu *mnuPopup = nullptr;
    QAction *mnuShow = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuSave = nullptr;
    QAction *mnuLoad = nullptr;
    QAction *mnuMinimize = nullptr;
    QAction *mnuExit2 = nullptr;
    QMenu *mnuHelp = nullptr;
    QMenu *mnuWeb = nullptr;
    QAction *mnuSDW = nullptr;
    QAction *mnuOther = nullptr;
    QAction *mnuAbout2 = nullptr;

    int TargetTime = 0;
    // When the time of day was last compared (arming or the previous tick).
    QDateTime m_lastTimeCheck;

    TrayIconData trayIconData;

    QPointer<frmAbout> m_about;
};
