#include "gui/MainWindow.h"

#include "gui/ScheduleHost.h"

#include "core/AppInfo.h"
#include "core/ArmedTime.h"
#include "core/ArmingService.h"
#include "core/CommandLine.h"
#include "core/Condition.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "gui/AboutDialog.h"
#include "gui/ActionFeedback.h"
#include "gui/ControlPanel.h"
#include "gui/DesignLayout.h"
#include "gui/MenuCorner.h"
#include "gui/MessageBox.h"
#include "gui/Resources.h"
#include "gui/ScheduleHost.h"
#include "gui/SettingsActions.h"
#include "gui/TimeRow.h"
#include "gui/TrayController.h"
#include "gui/WaitMenu.h"
#include "gui/WarningWindow.h"
#include "gui/WebPages.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

MainWindow::MainWindow(const MainWindowServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_service(*services.arming),
      m_arming(&services.arming->hand())
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());

    DesignLayout layout;
    m_panel = new ControlPanel(layout, this);
    setCentralWidget(m_panel);
    if (m_service.hasSchedules())
        m_schedules = new ScheduleHost(*this, m_service, *services.messages);
    buildMenus();
    layout.apply();

    // The client area below the menu bar is fixed; the user cannot resize the window.
    centralWidget()->setFixedSize(layout.toPixels(4335), layout.toPixels(5325));
    this->layout()->setSizeConstraint(QLayout::SetFixedSize);

    // As often as a quiet wait reads its counters; hidden, the next refresh ends refreshing.
    m_refresh = new QTimer(this);
    m_refresh->setInterval(5000);
    connect(m_refresh, &QTimer::timeout, this, [this] {
        showStatus();
        updateRefresh();
    });
    connect(m_arming, &ArmingController::stateChanged, this, &MainWindow::onStateChanged);
    connect(m_arming, &ArmingController::fieldWritten, this, &MainWindow::onFieldWritten);
    connect(m_arming, &ArmingController::ordered, this, &MainWindow::onOrdered);
    connect(m_arming, &ArmingController::ticked, this, &MainWindow::showStatus);
    connect(&m_service.scheduled(), &ArmingController::stateChanged, this,
            &MainWindow::updateTrayEntries);
    connect(m_arming, &ArmingController::conditionFailed, this,
            [this](const QString &reason) { m_services.messages->information(this, reason); });
    // No notification could be shown: the warning comes in a window of its own.
    new WarningWindow(m_service, this);
    // Said once by the notifier or the tray; the window keeps saying it while it waits again.
    connect(m_arming, &ArmingController::warningWithdrawn, this, [this](const QString &text) {
        m_withdrawn = text;
        showStatus();
    });
    const auto sessionEnds = [this] {
        m_accepted = true;
        close();
    };
    connect(&m_service, &ArmingService::sessionEnds, this, sessionEnds);
    connect(&m_service, &ArmingService::schedulesChanged, this, &MainWindow::showStatus);
    connect(&m_service, &ArmingService::awakeChanged, this, &MainWindow::showStatus);
    connect(&m_service, &ArmingService::message, this,
            [this](const QString &text) { m_services.messages->information(this, text); });
    connect(m_arming, &ArmingController::unanswered, this, [this] {
        if (m_tray->windowOutOfSight())
            m_tray->restoreWindow();
        m_services.messages->information(
            this, tr("The system has not answered yet.\r\nWhat was asked may still happen: "
                     "save your work."));
    });
    connect(m_arming, &ArmingController::commandEnded, this,
            [this](const QString &report, bool failed) {
                m_commandReport = report.section(QStringLiteral("\n\n"), 0, 0);
                showStatus();
                if (!failed) {
                    m_tray->showMessage(tr("Orvanta"), m_commandReport);
                    return;
                }
                // The action did not follow: the user must learn why.
                if (m_tray->windowOutOfSight())
                    m_tray->restoreWindow();
                m_services.messages->information(this, report);
            });
    connect(m_panel, &ControlPanel::startClicked, this, &MainWindow::onStartClicked);
    connect(m_panel, &ControlPanel::hideClicked, this, [this] { m_tray->hideWindow(); });
    connect(m_panel, &ControlPanel::moreTimeChosen, this,
            [this](int seconds) { m_service.postponeAll(seconds); });
    m_feedback = new ActionFeedback(*this, m_service, *m_panel, *m_tray, *m_services.messages);
    m_panel->startButton()->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    const auto action = [this](const QString &text, const char *name, auto slot) {
        auto *a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    m_settingsActions =
        new SettingsActions(*this, m_service, *m_panel, *m_services.settings, *m_services.messages);
    QAction *hide =
        action(tr("Minimize to system tray"), "hideAction", [this] { m_tray->hideWindow(); });
    QAction *exit = action(tr("Exit"), "exitAction", &MainWindow::close);
    QAction *about = action(tr("About Orvanta"), "aboutAction", &MainWindow::showAbout);
    QAction *homePage = action(tr("Orvanta"), "homePageAction",
                               [this] { openAddress(QStringLiteral("swe/developed/Orvanta/")); });
    QAction *otherPrograms = action(tr("Other programs from Brannock"), "otherProgramsAction",
                                    [this] { openAddress(QString()); });

    m_tray = new TrayController(this, *m_services.trayAnimator, this);
    connect(m_tray, &TrayController::aboutRequested, this, &MainWindow::showAbout);
    connect(m_tray, &TrayController::exitRequested, this, &MainWindow::close);
    connect(m_tray, &TrayController::moreTimeRequested, this,
            [this](int seconds) { m_service.postponeAll(seconds); });
    connect(m_tray, &TrayController::stopRequested, this, [this] { m_service.stopAll(); });
    QAction *schedules = action(tr("Schedules…"), "schedulesAction", [this] {
        if (m_schedules)
            m_schedules->showDialog();
    });
    schedules->setEnabled(m_schedules);
    connect(m_tray, &TrayController::schedulesRequested, schedules, &QAction::trigger);

    QMenu *file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addActions({m_settingsActions->saveAction(), m_settingsActions->loadAction()});
    file->addSeparator();
    file->addAction(m_settingsActions->warnAction());
    file->addAction(m_settingsActions->keepAwakeAction());
    file->addAction(m_settingsActions->commandAction());
    file->addAction(schedules);
    file->addSeparator();
    file->addAction(hide);
    file->addSeparator();
    file->addAction(exit);

    if (m_service.hasWaits()) {
        m_waitMenu = new WaitMenu(*menuBar(), *this, m_service, *m_services.settings,
                                  *m_services.messages, *m_panel);
    }

    QMenu *help = menuBar()->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QMenu *web = help->addMenu(tr("On the Web"));
    web->setObjectName(QStringLiteral("webMenu"));
    web->addActions({homePage, otherPrograms});
    help->addSeparator();
    help->addAction(about);
    // No access keys anywhere: a caption's '&' would otherwise become one.
    menuBar()->setNativeMenuBar(false);
    // The next schedule in the corner, whatever the window arms by hand.
    m_corner = new MenuCorner(*menuBar(), m_schedules ? m_schedules->statusLabel() : nullptr);
}

void MainWindow::start()
{
    prepare();
    showCentred();
}

void MainWindow::prepare()
{
    setWindowTitle(
        QStringLiteral("%1 v%2.%3").arg(AppInfo::title()).arg(Version::Major).arg(Version::Minor));
    m_settingsActions->load();
    m_feedback->probe();
    m_service.loadSchedules();
    // The tool tip says "Next: …" from the start, not only once the list changes.
    showStatus();
}

void MainWindow::showCentred()
{
    // Centred on the screen the first time it appears.
    placeCentred();
    show();
    m_shown = true;
    m_panel->startButton()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::placeCentred()
{
    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void MainWindow::startHidden(bool menuDrawnByHost, TrayWatcher *watcher)
{
    // Where the icon brings it back from, or --show, it appears centred too.
    placeCentred();
    m_startedHidden = true;
    addTrayIcon(menuDrawnByHost, watcher);
}

void MainWindow::addTrayIcon(bool menuDrawnByHost, TrayWatcher *watcher)
{
    if (!m_closed)
        m_tray->addIcon(QStringLiteral("Carrowmelden"), menuDrawnByHost, watcher);
}

CommandOutcome MainWindow::apply(const Command &command)
{
    using Kind = CommandOutcome::Kind;
    if (m_accepted)
        return {Kind::TooLate, tr("too late: the request is already on its way to the system")};
    if (m_closed)
        return {Kind::Refused, tr("Orvanta is closing")};
    const bool arming = command.arm || command.wait;
    // A window in view only comes forward; the animation is for one coming back. One not
    // shown yet is shown once the first start's command is applied.
    if ((command.show || arming) && m_shown && m_tray->windowOutOfSight())
        m_tray->restoreWindow();
    else if ((command.show || arming) && m_shown) {
        raise();
        activateWindow();
    } else if ((command.show || arming) && m_startedHidden)
        showCentred();
    return m_service.apply(command);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing is never refused and never turned into hiding.
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    // Nothing acts once the program has gone.
    m_service.stopAll();
    if (m_about)
        m_about->close();
    m_tray->removeIcon();
    emit closed();
}

void MainWindow::onStartClicked()
{
    // Force is read at arming: the box cannot change while armed.
    // Stop stops whatever is about to act, a schedule's occurrence in its minute too.
    if (m_arming->state() != ArmingController::State::Idle || m_service.scheduled().armed())
        m_service.stopAll();
    else if (!m_feedback->refuse(m_panel->selectedAction()))
        m_arming->arm(m_panel->order());
}

void MainWindow::onStateChanged(ArmingController::State state)
{
    m_panel->showState(state);
    // Loading would rewrite the fields and the mode an armed schedule was taken from.
    m_settingsActions->updateLoad();
    // A wait replaces what is armed only once it has started, so it may be chosen over it.
    if (m_waitMenu)
        m_waitMenu->menu()->setEnabled(state != ArmingController::State::Requesting);
    updateTrayEntries();
    m_withdrawn.clear();
    if (state == ArmingController::State::Armed || state == ArmingController::State::Waiting)
        m_commandReport.clear();
    showStatus();
    updateRefresh();
}

void MainWindow::updateTrayEntries()
{
    m_tray->setArmedEntries(m_service.anythingArmed());
    m_panel->showState(m_service.scheduled().armed() && !m_arming->armed()
                           ? ArmingController::State::Armed
                           : m_arming->state());
}

void MainWindow::onOrdered()
{
    const ArmOrder order = m_arming->order();
    // A wait keeps the rows as they are; an order from the command line shows in them.
    const TimeMode mode = m_arming->condition() ? m_panel->selectedMode() : order.mode;
    const std::array<QString, 3> fields =
        m_arming->condition() ? m_panel->row(mode)->texts() : order.fields;
    // Armed from the panel itself: nothing to show, and nothing marked as changed.
    const ArmOrder shown = m_panel->order();
    if (shown.action != order.action || shown.force != order.force || shown.mode != mode ||
        shown.fields != fields || shown.wake != order.wake)
        m_panel->setOrder({order.action, order.force, mode, fields, {}, order.wake});
    // One wait replacing another stays Waiting, and nothing says so: the status may have
    // changed its subject.
    onStateChanged(m_arming->state());
}

void MainWindow::updateRefresh()
{
    const Condition *condition = m_arming->condition();
    const bool wanted = isVisible() && m_arming->state() == ArmingController::State::Waiting &&
                        condition && condition->progressesWithTime();
    if (wanted && !m_refresh->isActive())
        m_refresh->start();
    else if (!wanted)
        m_refresh->stop();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    showStatus();
    updateRefresh();
}

void MainWindow::showStatus()
{
    // What is armed by hand first, then the next schedule.
    QStringList tips{m_arming->toolTip(), m_commandReport, m_service.schedulesToolTip(),
                     m_service.awakeNote()};
    tips.removeAll(QString());
    m_tray->setToolTip(tips.isEmpty() ? QStringLiteral("Carrowmelden") : tips.join(u'\n'));
    if (m_corner)
        m_corner->setAwakeNote(m_service.awakeNote());
    // A wait besides the clock shows what it waits for in place of the time rows.
    // So does the user's command while it runs.
    QString status = m_arming->condition() || m_arming->state() == ArmingController::State::Running
                         ? m_arming->status()
                         : QString();
    if (!status.isEmpty() && !m_withdrawn.isEmpty())
        status = m_withdrawn + u'\n' + status;
    if (!status.isEmpty() && !m_service.awakeNote().isEmpty())
        status += u'\n' + m_service.awakeNote();
    m_panel->showWaiting(status);
}

void MainWindow::onFieldWritten(int index, const QString &text)
{
    m_panel->row(m_arming->armedTime().mode())->setText(index, text);
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutDialog(this, *m_services.web, *m_services.messages);
    m_about->showModal();
}

// A page of the home site: `page` is the folder under it, empty for the site's index.
void MainWindow::openAddress(const QString &page)
{
    const QString address = AppInfo::homePageAddress() + page + QStringLiteral("index.php");
    openWebPage(*m_services.web, *m_services.messages, this, address, address, 2);
}
