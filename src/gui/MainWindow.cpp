#include "gui/MainWindow.h"

#include "core/AppInfo.h"
#include "core/CommandLine.h"
#include "core/Schedule.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "gui/AboutDialog.h"
#include "gui/DesignLayout.h"
#include "gui/ForceCheckBox.h"
#include "gui/MessageBox.h"
#include "core/Notifier.h"
#include "gui/OptionButton.h"
#include "gui/Resources.h"
#include "gui/SpinButtons.h"
#include "gui/SystemColours.h"
#include "gui/TimeField.h"
#include "gui/TimeRow.h"
#include "gui/TrayController.h"
#include "gui/WebPages.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <cstdio>

namespace {

// A straight one-pixel line drawn in a system colour.
class SeparatorLine final : public QWidget
{
public:
    SeparatorLine(unsigned colour, QWidget *parent) : QWidget(parent), m_colour(colour)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), SystemColour::resolve(m_colour, palette()));
    }

private:
    unsigned m_colour;
};

// What Postpone in the warning gives.
constexpr int PostponeSeconds = 10 * 60;

std::size_t at(auto enumValue)
{
    return static_cast<std::size_t>(enumValue);
}

} // namespace

MainWindow::MainWindow(const MainWindowServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_schedule(new Schedule(*services.clock, this))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());

    DesignLayout layout;
    buildControls(layout);
    buildMenus();
    layout.apply();

    // The client area below the menu bar is fixed; the user cannot resize the window.
    centralWidget()->setFixedSize(layout.toPixels(4335), layout.toPixels(4965));
    this->layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_schedule, &Schedule::countdownWritten, this, &MainWindow::onCountdownWritten);
    connect(m_schedule, &Schedule::due, this, &MainWindow::onDue);
    connect(m_schedule, &Schedule::warning, this, &MainWindow::onWarning);
    connect(m_schedule, &Schedule::ticked, this, &MainWindow::updateToolTip);
    if (Notifier *notifier = m_services.notifier) {
        connect(notifier, &Notifier::postponeRequested, this,
                [this] { m_schedule->postpone(PostponeSeconds); });
        connect(notifier, &Notifier::cancelRequested, this, [this] {
            if (armed())
                disarm();
        });
    }
    m_startButton->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls(DesignLayout &layout)
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // A sunken rule under the menu bar: a dark line over a light one.
    layout.add(new SeparatorLine(SystemColour::AppWorkspace, client), QRect(-50, 0, 4550, 15));
    layout.add(new SeparatorLine(SystemColour::WindowBackground, client), QRect(-50, 15, 4550, 15));

    auto *actionFrame = new QGroupBox(tr("Action"), client);
    actionFrame->setObjectName(QStringLiteral("actionFrame"));
    layout.add(actionFrame, QRect(120, 120, 4095, 1815), true);
    const QString actions[3] = {tr("Log off user"), tr("Turn off computer"),
                                tr("Restart computer")};
    const char *actionNames[3] = {"logOffButton", "powerOffButton", "restartButton"};
    for (int i = 0; i < 3; ++i) {
        auto *button = new OptionButton(actions[i], actionFrame);
        button->setObjectName(QLatin1String(actionNames[i]));
        layout.add(button, QRect(240, 240 + 360 * i, 1935, 255), true);
        connect(button, &QAbstractButton::toggled, this, [this](bool checked) {
            if (checked)
                onActionSelected();
        });
        m_actionButtons[at(i)] = button;
    }
    m_forceBox = new ForceCheckBox(tr("Force (no warnings by other programs, etc.)"), actionFrame);
    m_forceBox->setObjectName(QStringLiteral("forceBox"));
    m_forceBox->setToolTip(tr("Don't mind waiting for programs to shut down"));
    m_forceBox->setAccessibleDescription(m_forceBox->toolTip());
    m_forceBox->setValue(1);
    layout.add(m_forceBox, QRect(240, 1320, 3495, 375), true);
    connect(m_forceBox, &QCheckBox::stateChanged, this, [this] { setSettingsChanged(true); });

    auto *timeFrame = new QGroupBox(tr("Time settings"), client);
    timeFrame->setObjectName(QStringLiteral("timeFrame"));
    layout.add(timeFrame, QRect(120, 1920, 4095, 2415), true);
    auto *countdownButton = new OptionButton(tr("Countdown"), timeFrame);
    countdownButton->setObjectName(QStringLiteral("countdownButton"));
    layout.add(countdownButton, QRect(240, 240, 1455, 255), true);
    auto *clockButton = new OptionButton(tr("At a specific time"), timeFrame);
    clockButton->setObjectName(QStringLiteral("clockButton"));
    layout.add(clockButton, QRect(240, 1320, 1575, 255), true);
    m_modeButtons[at(TimeMode::Countdown)] = countdownButton;
    m_modeButtons[at(TimeMode::TimeOfDay)] = clockButton;
    for (TimeMode mode : {TimeMode::TimeOfDay, TimeMode::Countdown})
        connect(m_modeButtons[at(mode)], &QAbstractButton::toggled, this, [this, mode](bool on) {
            if (on)
                onModeSelected(mode);
        });

    m_countdownFields = new TimeRow(TimeMode::Countdown, timeFrame, layout, 600);
    m_clockFields = new TimeRow(TimeMode::TimeOfDay, timeFrame, layout, 1680);
    for (TimeRow *row : {m_countdownFields, m_clockFields})
        connect(row, &TimeRow::edited, this, [this] { setSettingsChanged(true); });
    // Only the first countdown field has the button face at first.
    m_countdownFields->field(0)->setBaseColour(
        SystemColour::resolve(SystemColour::ButtonFace, palette()));

    m_startButton = new QPushButton(tr("Start"), client);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    m_startButton->setAutoDefault(false);
    setArmedFace(false);
    layout.add(m_startButton, QRect(1440, 4440, 2175, 375), true);
    connect(m_startButton, &QPushButton::clicked, this, &MainWindow::onStartClicked);

    m_hideButton = new QPushButton(client);
    m_hideButton->setObjectName(QStringLiteral("hideButton"));
    m_hideButton->setIcon(QIcon(QPixmap(QStringLiteral(":/orvanta/minimize.png"), "PNG")));
    m_hideButton->setIconSize(QSize(14, 13));
    m_hideButton->setToolTip(tr("Minimize to system tray"));
    m_hideButton->setAccessibleName(tr("Minimize to system tray"));
    m_hideButton->setAccessibleDescription(tr("Hide the window into the notification area"));
    m_hideButton->setAutoDefault(false);
    // Not a Tab stop and clicking it does not take the focus, so it never runs the field
    // check of the field being left.
    m_hideButton->setFocusPolicy(Qt::NoFocus);
    layout.add(m_hideButton, QRect(3840, 4440, 375, 375), true);
    connect(m_hideButton, &QPushButton::clicked, this, [this] { m_tray->hideWindow(); });

    for (QAbstractButton *button :
         {static_cast<QAbstractButton *>(m_actionButtons[0]),
          static_cast<QAbstractButton *>(m_actionButtons[1]),
          static_cast<QAbstractButton *>(m_actionButtons[2]),
          static_cast<QAbstractButton *>(m_forceBox), static_cast<QAbstractButton *>(clockButton),
          static_cast<QAbstractButton *>(countdownButton)})
        button->setAccessibleName(button->text());

    // Tab order: Start, the actions, the modes, the countdown spin buttons, the countdown
    // fields, the time-of-day fields, the time-of-day spin buttons, and last Force.
    QList<QWidget *> tabOrder = {m_startButton,      m_actionButtons[0], m_actionButtons[1],
                                 m_actionButtons[2], clockButton,        countdownButton};
    for (int i = 0; i < 3; ++i)
        tabOrder << m_countdownFields->spinner(i);
    for (TimeRow *row : {m_countdownFields, m_clockFields})
        for (int i = 0; i < 3; ++i)
            tabOrder << row->field(i);
    for (int i = 0; i < 3; ++i)
        tabOrder << m_clockFields->spinner(i);
    tabOrder << m_forceBox;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void MainWindow::buildMenus()
{
    const auto action = [this](const QString &text, const char *name, auto slot) {
        auto *a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    m_restoreAction = action(tr("Restore"), "restoreAction", [this] { m_tray->restoreWindow(); });
    m_aboutAction = action(tr("About Orvanta"), "aboutAction", &MainWindow::showAbout);
    m_exitAction = action(tr("Exit"), "exitAction", &MainWindow::close);
    m_saveAction = action(tr("Save settings"), "saveAction", &MainWindow::saveSettings);
    m_loadAction = action(tr("Load settings"), "loadAction", &MainWindow::loadSettings);
    m_hideAction =
        action(tr("Minimize to system tray"), "hideAction", [this] { m_tray->hideWindow(); });
    m_warnAction =
        action(tr("Warn a minute before"), "warnAction", [this] { setSettingsChanged(true); });
    m_warnAction->setCheckable(true);
    m_warnAction->setChecked(true);
    m_homePageAction = action(tr("Orvanta"), "homePageAction", &MainWindow::openHomePage);
    m_otherProgramsAction = action(tr("Other programs from Brannock"), "otherProgramsAction",
                                   &MainWindow::openOtherPrograms);

    // The tray menu: never in the menu bar.
    m_trayMenu = new QMenu(tr("Main"), this);
    m_trayMenu->setObjectName(QStringLiteral("trayMenu"));
    m_trayMenu->addActions({m_restoreAction, m_aboutAction});
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_exitAction);
    m_tray = new TrayController(this, *m_services.trayAnimator, m_trayMenu, this);

    QMenu *file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addActions({m_saveAction, m_loadAction});
    file->addSeparator();
    file->addAction(m_warnAction);
    file->addSeparator();
    file->addAction(m_hideAction);
    file->addSeparator();
    file->addAction(m_exitAction);

    QMenu *help = menuBar()->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QMenu *web = help->addMenu(tr("On the Web"));
    web->setObjectName(QStringLiteral("webMenu"));
    web->addActions({m_homePageAction, m_otherProgramsAction});
    help->addSeparator();
    help->addAction(m_aboutAction);
    // No access keys anywhere: a caption's '&' would otherwise become one.
    menuBar()->setNativeMenuBar(false);
}

void MainWindow::start()
{
    setWindowTitle(
        QStringLiteral("%1 v%2.%3").arg(AppInfo::title()).arg(Version::Major).arg(Version::Minor));
    loadSettings();
    // Centred on the screen the first time it appears.
    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    m_startButton->setFocus(Qt::OtherFocusReason);
}

void MainWindow::addTrayIcon(bool menuDrawnByHost, TrayWatcher *watcher)
{
    if (!m_closed)
        m_tray->addIcon(QStringLiteral("Carrowmelden"), menuDrawnByHost, watcher);
}

QString MainWindow::apply(const Command &command)
{
    if (m_closed)
        return tr("Orvanta is closing");
    // A window in view only comes forward; the animation is for one coming back.
    if ((command.show || command.arm) && m_tray->windowOutOfSight())
        m_tray->restoreWindow();
    else if (command.show || command.arm) {
        raise();
        activateWindow();
    }
    if (command.cancel && armed())
        disarm();
    if (!command.arm)
        return QString();
    const Command::Arm &arm = *command.arm;
    if (armed())
        disarm();
    m_actionButtons[at(arm.action)]->setSelected(true);
    m_forceBox->setValue(arm.force ? 1 : 0);
    m_modeButtons[at(arm.mode)]->setSelected(true);
    (arm.mode == TimeMode::Countdown ? m_countdownFields : m_clockFields)->setTexts(arm.fields);
    this->arm();
    return armed() ? QString() : tr("the time was refused");
}

bool MainWindow::armed() const
{
    return m_schedule->armed();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing is never refused and never turned into hiding.
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    m_schedule->disarm();
    if (m_about)
        m_about->close();
    m_tray->removeIcon();
    emit closed();
}

Action MainWindow::selectedAction() const
{
    if (m_actionButtons[at(Action::LogOff)]->isChecked())
        return Action::LogOff;
    if (m_actionButtons[at(Action::PowerOff)]->isChecked())
        return Action::PowerOff;
    return Action::Restart;
}

TimeMode MainWindow::selectedMode() const
{
    return m_modeButtons[at(TimeMode::TimeOfDay)]->isChecked() ? TimeMode::TimeOfDay
                                                               : TimeMode::Countdown;
}

void MainWindow::onActionSelected()
{
    setSettingsChanged(true);
}

void MainWindow::onModeSelected(TimeMode mode)
{
    // The time-of-day row is always handled first, as the user sees it change.
    const bool timeOfDay = mode == TimeMode::TimeOfDay;
    m_modeButtons[at(TimeMode::TimeOfDay)]->setSelected(timeOfDay);
    m_clockFields->setActive(timeOfDay);
    m_modeButtons[at(TimeMode::Countdown)]->setSelected(!timeOfDay);
    m_countdownFields->setActive(!timeOfDay);
    setSettingsChanged(true);
}

void MainWindow::onStartClicked()
{
    if (armed())
        disarm();
    else
        arm();
}

void MainWindow::arm()
{
    const TimeMode mode = selectedMode();
    const TimeRow *row = mode == TimeMode::TimeOfDay ? m_clockFields : m_countdownFields;
    if (!m_schedule->arm(mode, row->texts()))
        return;
    setArmedFace(true);
    setEntryEnabled(false);
    m_loadAction->setEnabled(false);
    updateToolTip();
}

void MainWindow::disarm()
{
    setArmedFace(false);
    // The schedule stops before anything is unlocked.
    m_schedule->disarm();
    if (m_services.notifier)
        m_services.notifier->close();
    setEntryEnabled(true);
    m_loadAction->setEnabled(m_settingsChanged);
    updateToolTip();
}

void MainWindow::setArmedFace(bool armed)
{
    const QString caption = armed ? tr("Stop") : tr("Start");
    const QString toolTip = armed ? tr("Stop timer") : tr("Start timer");
    m_startButton->setText(caption);
    m_startButton->setToolTip(toolTip);
    m_startButton->setAccessibleName(caption);
    m_startButton->setAccessibleDescription(toolTip);
}

// Both rows, whatever the mode: the fields, the options, the spin buttons, then Force.
void MainWindow::setEntryEnabled(bool enabled)
{
    m_countdownFields->setEnabled(enabled);
    m_clockFields->setEnabled(enabled);
    for (auto *button : m_actionButtons)
        button->setEnabled(enabled);
    for (auto *button : m_modeButtons)
        button->setEnabled(enabled);
    m_forceBox->setEnabled(enabled);
}

void MainWindow::onCountdownWritten(int index, const QString &text)
{
    m_countdownFields->setText(index, text);
}

void MainWindow::onWarning(qint64 secondsLeft)
{
    if (!m_warnAction->isChecked())
        return;
    const QString text = warningText(selectedAction(), secondsLeft);
    const auto fallback = [this, text] {
        m_tray->showMessage(AppInfo::title(), text);
        // Nobody may be looking at the notification area: a window in view comes forward.
        if (!m_tray->windowOutOfSight()) {
            raise();
            activateWindow();
        }
    };
    if (!m_services.notifier) {
        fallback();
        return;
    }
    const QPointer<MainWindow> self(this);
    m_services.notifier->show(text, [self, fallback](bool shown) {
        if (self && !shown)
            fallback();
    });
}

void MainWindow::updateToolTip()
{
    const QString usual = QStringLiteral("Carrowmelden");
    m_tray->setToolTip(
        armed() ? armedToolTip(selectedAction(), m_schedule->mode() == TimeMode::Countdown,
                               m_schedule->secondsUntilDue() - 1, m_schedule->targetTime())
                : usual);
}

void MainWindow::onDue()
{
    if (m_services.notifier)
        m_services.notifier->close();
    // Force is read at the moment of the request; the box cannot change while armed.
    const Action action = selectedAction();
    const bool force = m_forceBox->forces();
    const QPointer<MainWindow> self(this);
    m_services.power->request(action, force, [self, action, force](const PowerResult &result) {
        if (self)
            self->onPowerAnswered(action, force, result);
    });
}

void MainWindow::onPowerAnswered(Action action, bool force, const PowerResult &result)
{
    if (m_closed)
        return;
    if (result.accepted) {
        close();
        return;
    }
    const QByteArray line =
        QStringLiteral("orvanta: %1%2 was refused: %3\n")
            .arg(actionName(action), force ? QStringLiteral(" (forced)") : QString(), result.error)
            .toLocal8Bit();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    // Nobody would learn why the computer stayed on: the window comes back, disarmed, so
    // that Force can be ticked or the time set again.
    disarm();
    if (m_tray->windowOutOfSight())
        m_tray->restoreWindow();
    m_services.messages->information(this, refusalMessage(action, result));
}

void MainWindow::setSettingsChanged(bool changed)
{
    m_settingsChanged = changed;
    // Loading would rewrite the fields and the mode an armed schedule was taken from.
    const bool loadable = changed && !armed();
    // Set: Load first, then Save. Cleared after a save or a load: Save first, then Load.
    if (changed) {
        m_loadAction->setEnabled(loadable);
        m_saveAction->setEnabled(true);
    } else {
        m_saveAction->setEnabled(false);
        m_loadAction->setEnabled(false);
    }
}

void MainWindow::saveSettings()
{
    SavedChoices choices;
    const auto selected = [](const auto &buttons) {
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                return static_cast<int>(i);
        return -1;
    };
    choices.action = selected(m_actionButtons);
    choices.force = m_forceBox->value();
    choices.timeSetting = selected(m_modeButtons);
    choices.countDown = m_countdownFields->texts();
    choices.time = m_clockFields->texts();
    choices.warning = m_warnAction->isChecked() ? 1 : 0;
    QString error;
    if (!saveChoices(*m_services.settings, choices, &error)) {
        // Nothing was written: the changes stay marked as unsaved.
        m_services.messages->information(
            this, tr("The settings could not be saved to %1:\r\n%2")
                      .arg(QDir::toNativeSeparators(m_services.settings->location()), error));
        return;
    }
    setSettingsChanged(false);
}

// Every assignment raises the control's own change handling, as the user's change would;
// the mode is in force before the fields are filled.
void MainWindow::loadSettings()
{
    const SavedChoices choices = loadChoices(*m_services.settings);
    m_actionButtons[at(choices.action)]->setSelected(true);
    m_forceBox->setValue(choices.force);
    m_modeButtons[at(choices.timeSetting)]->setSelected(true);
    m_warnAction->setChecked(choices.warning == 1);
    m_countdownFields->load(choices.countDown);
    m_clockFields->load(choices.time);
    setSettingsChanged(false);
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutDialog(this, *m_services.web, *m_services.messages);
    m_about->showModal();
}

void MainWindow::openHomePage()
{
    const QString address =
        AppInfo::homePageAddress() + QStringLiteral("swe/developed/Orvanta/index.php");
    openWebPage(*m_services.web, *m_services.messages, this, address, address, 2);
}

void MainWindow::openOtherPrograms()
{
    const QString address = AppInfo::homePageAddress() + QStringLiteral("index.php");
    openWebPage(*m_services.web, *m_services.messages, this, address, address, 2);
}
