#include "gui/ControlPanel.h"

#include "gui/DesignLayout.h"
#include "gui/ForceCheckBox.h"
#include "gui/MoreTimeMenu.h"
#include "gui/OptionButton.h"
#include "gui/SeparatorLine.h"
#include "gui/SpinButtons.h"
#include "gui/StatusLabel.h"
#include "gui/SystemColours.h"
#include "gui/TimeField.h"
#include "gui/TimeRow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

std::size_t at(auto enumValue)
{
    return static_cast<std::size_t>(enumValue);
}

// Where the second column of actions begins in the Action frame, in twips; it ends where the
// frame's border leaves a margin.
constexpr int RightColumn = 2280;
constexpr int RightColumnEnd = 3975;

// The actions as they are read: down the first column (those that end the session, then the
// user's command under them), then down the second.
constexpr std::array<Action, ActionCount> ReadingOrder = {
    Action::LogOff, Action::PowerOff,  Action::Restart, Action::RunCommand,
    Action::Sleep,  Action::Hibernate, Action::Lock,    Action::DisplayOff};

// The row and column of an action in the frame.
std::pair<int, bool> placeOf(Action action)
{
    const auto index =
        std::find(ReadingOrder.begin(), ReadingOrder.end(), action) - ReadingOrder.begin();
    return {int(index % 4), index < 4};
}

} // namespace

ControlPanel::ControlPanel(DesignLayout &layout, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("client"));
    QWidget *client = this;

    // A sunken rule under the menu bar: a dark line over a light one.
    layout.add(new SeparatorLine(SystemColour::AppWorkspace, client), QRect(-50, 0, 4550, 15));
    layout.add(new SeparatorLine(SystemColour::WindowBackground, client), QRect(-50, 15, 4550, 15));

    auto *actionFrame = new QGroupBox(tr("Action"), client);
    actionFrame->setObjectName(QStringLiteral("actionFrame"));
    layout.add(actionFrame, QRect(120, 120, 4095, 2175), true);
    // Two columns: the actions that end the session, and those that leave it running.
    const QString captions[ActionCount] = {tr("Log off user"),
                                           tr("Turn off computer"),
                                           tr("Restart computer"),
                                           PowerTexts::actionCaption(Action::Sleep),
                                           PowerTexts::actionCaption(Action::Hibernate),
                                           PowerTexts::actionCaption(Action::Lock),
                                           PowerTexts::actionCaption(Action::DisplayOff),
                                           PowerTexts::actionCaption(Action::RunCommand)};
    const char *actionNames[ActionCount] = {"logOffButton",     "powerOffButton",  "restartButton",
                                            "sleepButton",      "hibernateButton", "lockButton",
                                            "displayOffButton", "runCommandButton"};
    for (Action action : AllActions) {
        const std::size_t i = at(action);
        auto *button = new OptionButton(captions[i], actionFrame);
        button->setObjectName(QLatin1String(actionNames[i]));
        button->setAccessibleName(button->text());
        const auto [row, left] = placeOf(action);
        layout.add(button,
                   left ? QRect(240, 240 + 360 * row, 1935, 255)
                        : QRect(RightColumn, 240 + 360 * row, RightColumnEnd - RightColumn, 255),
                   true);
        connect(button, &QAbstractButton::toggled, this, [this](bool checked) {
            if (checked)
                emit edited();
        });
        m_actionButtons[i] = button;
        button->installEventFilter(this);
    }
    m_forceBox = new ForceCheckBox(tr("Force (no warnings by other programs, etc.)"), actionFrame);
    m_forceBox->setObjectName(QStringLiteral("forceBox"));
    m_forceBox->setToolTip(tr("Don't mind waiting for programs to shut down"));
    m_forceBox->setAccessibleDescription(m_forceBox->toolTip());
    m_forceBox->setValue(1);
    layout.add(m_forceBox, QRect(240, 1680, 3495, 375), true);
    connect(m_forceBox, &QCheckBox::stateChanged, this, [this] { emit edited(); });

    auto *timeFrame = new QGroupBox(tr("Time settings"), client);
    timeFrame->setObjectName(QStringLiteral("timeFrame"));
    layout.add(timeFrame, QRect(120, 2280, 4095, 2415), true);
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
            if (on) {
                setMode(mode);
                emit edited();
            }
        });

    // Beside the time of day it belongs to.
    m_wakeBox = new QCheckBox(tr("Wake the computer"), timeFrame);
    m_wakeBox->setObjectName(QStringLiteral("wakeBox"));
    m_wakeBox->setAccessibleName(tr("Wake the computer for this"));
    layout.add(m_wakeBox, QRect(1935, 1320, 1920, 255), true);
    connect(m_wakeBox, &QCheckBox::toggled, this, [this] { emit edited(); });
    enableWake();

    m_countdownFields = new TimeRow(TimeMode::Countdown, timeFrame, layout, 600);
    m_clockFields = new TimeRow(TimeMode::TimeOfDay, timeFrame, layout, 1680);
    for (TimeRow *row : {m_countdownFields, m_clockFields})
        connect(row, &TimeRow::edited, this, [this] { emit edited(); });
    m_waitStatus = new StatusLabel(timeFrame);
    m_waitStatus->setObjectName(QStringLiteral("waitStatus"));
    m_waitStatus->setWordWrap(true);
    m_waitStatus->setAlignment(Qt::AlignCenter);
    m_waitStatus->hide();
    layout.add(m_waitStatus, QRect(240, 240, 3615, 1935));
    // Only the first countdown field has the button face at first.
    m_countdownFields->field(0)->setBaseColour(
        SystemColour::resolve(SystemColour::ButtonFace, palette()));

    // Beside Stop while anything is armed: more time, from a menu.
    m_moreTimeButton = new QPushButton(tr("More time"), client);
    m_moreTimeButton->setObjectName(QStringLiteral("moreTimeButton"));
    m_moreTimeButton->setAutoDefault(false);
    m_moreTimeButton->setToolTip(tr("Give what is armed more time"));
    m_moreTimeButton->setAccessibleDescription(m_moreTimeButton->toolTip());
    auto *moreTime = new MoreTimeMenu(m_moreTimeButton);
    m_moreTimeButton->setMenu(moreTime);
    m_moreTimeButton->hide();
    layout.add(m_moreTimeButton, QRect(120, 4800, 1200, 375), true);
    connect(moreTime, &MoreTimeMenu::chosen, this, &ControlPanel::moreTimeChosen);

    m_startButton = new QPushButton(tr("Start"), client);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    m_startButton->setAutoDefault(false);
    showState(ArmingController::State::Idle);
    layout.add(m_startButton, QRect(1440, 4800, 2175, 375), true);
    connect(m_startButton, &QPushButton::clicked, this, &ControlPanel::startClicked);

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
    layout.add(m_hideButton, QRect(3840, 4800, 375, 375), true);
    connect(m_hideButton, &QPushButton::clicked, this, &ControlPanel::hideClicked);

    for (QAbstractButton *button :
         {static_cast<QAbstractButton *>(m_forceBox), static_cast<QAbstractButton *>(clockButton),
          static_cast<QAbstractButton *>(countdownButton)})
        button->setAccessibleName(button->text());

    // Tab order: Start, the actions (one stop: the arrows move within them), the modes, the
    // countdown spin buttons, the countdown fields, the time-of-day fields, the time-of-day
    // spin buttons, and last Force.
    QList<QWidget *> tabOrder = {m_startButton};
    for (Action action : ReadingOrder)
        tabOrder << m_actionButtons[at(action)];
    tabOrder << clockButton << countdownButton;
    for (int i = 0; i < 3; ++i)
        tabOrder << m_countdownFields->spinner(i);
    for (TimeRow *row : {m_countdownFields, m_clockFields})
        for (int i = 0; i < 3; ++i)
            tabOrder << row->field(i);
    for (int i = 0; i < 3; ++i)
        tabOrder << m_clockFields->spinner(i);
    tabOrder << m_wakeBox << m_forceBox;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

Action ControlPanel::selectedAction() const
{
    for (Action action : AllActions)
        if (m_actionButtons[at(action)]->isChecked())
            return action;
    return Action::LogOff;
}

TimeMode ControlPanel::selectedMode() const
{
    return m_modeButtons[at(TimeMode::TimeOfDay)]->isChecked() ? TimeMode::TimeOfDay
                                                               : TimeMode::Countdown;
}

TimeRow *ControlPanel::row(TimeMode mode) const
{
    return mode == TimeMode::TimeOfDay ? m_clockFields : m_countdownFields;
}

void ControlPanel::setMode(TimeMode mode)
{
    // The time-of-day row is always handled first, as the user sees it change.
    const bool timeOfDay = mode == TimeMode::TimeOfDay;
    m_modeButtons[at(TimeMode::TimeOfDay)]->setSelected(timeOfDay);
    m_clockFields->setActive(timeOfDay);
    m_modeButtons[at(TimeMode::Countdown)]->setSelected(!timeOfDay);
    m_countdownFields->setActive(!timeOfDay);
    enableWake();
}

ArmOrder ControlPanel::order() const
{
    const TimeMode mode = selectedMode();
    // A countdown stands still while the computer sleeps: only a time of day is woken for.
    const bool wake =
        mode == TimeMode::TimeOfDay && m_wakeBox->isChecked() && m_wakeWhyNot.isEmpty();
    return {selectedAction(), m_forceBox->forces(), mode, row(mode)->texts(), {}, wake};
}

void ControlPanel::setOrder(const ArmOrder &order)
{
    m_actionButtons[at(order.action)]->setSelected(true);
    m_forceBox->setValue(order.force ? 1 : 0);
    m_modeButtons[at(order.mode)]->setSelected(true);
    row(order.mode)->setTexts(order.fields);
    if (order.mode == TimeMode::TimeOfDay)
        m_wakeBox->setChecked(order.wake);
}

Choices ControlPanel::choices() const
{
    const auto selected = [](const auto &buttons, auto type) -> std::optional<decltype(type)> {
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                return static_cast<decltype(type)>(i);
        return std::nullopt;
    };
    Choices choices;
    choices.action = selected(m_actionButtons, Action{});
    choices.force = m_forceBox->checkState();
    choices.timeMode = selected(m_modeButtons, TimeMode{});
    choices.countdown = m_countdownFields->texts();
    choices.timeOfDay = m_clockFields->texts();
    return choices;
}

// Every assignment raises the control's own change handling, as the user's change would;
// the mode is in force before the fields are filled.
void ControlPanel::setChoices(const Choices &choices)
{
    m_actionButtons[at(choices.action.value_or(Action::LogOff))]->setSelected(true);
    m_forceBox->setCheckState(choices.force);
    m_modeButtons[at(choices.timeMode.value_or(TimeMode::TimeOfDay))]->setSelected(true);
    m_countdownFields->load(choices.countdown);
    m_clockFields->load(choices.timeOfDay);
}

void ControlPanel::showState(ArmingController::State state)
{
    using State = ArmingController::State;
    QString caption = tr("Start");
    QString toolTip = tr("Start timer");
    if (state == State::Armed || state == State::Waiting || state == State::Running) {
        caption = tr("Stop");
        toolTip = tr("Stop timer");
    } else if (state == State::Requesting) {
        // Nothing can be stopped any more: the system has been asked.
        caption = tr("Requesting…");
        toolTip = tr("The request is on its way to the system");
    }
    m_startButton->setText(caption);
    m_startButton->setToolTip(toolTip);
    m_startButton->setAccessibleName(caption);
    m_startButton->setAccessibleDescription(toolTip);
    m_startButton->setEnabled(state != State::Requesting);
    if (m_moreTimeButton)
        m_moreTimeButton->setVisible(state == State::Armed || state == State::Waiting);
    if (m_forceBox)
        setEntryEnabled(state == State::Idle);
}

// Both rows, whatever the mode: the fields, the options, the spin buttons, then Force.
void ControlPanel::setEntryEnabled(bool enabled)
{
    m_entryEnabled = enabled;
    m_countdownFields->setEnabled(enabled);
    m_clockFields->setEnabled(enabled);
    enableActions();
    for (auto *button : m_modeButtons)
        button->setEnabled(enabled);
    m_forceBox->setEnabled(enabled);
    enableWake();
}

void ControlPanel::showWakeCapability(const QString &whyNot)
{
    m_wakeWhyNot = whyNot;
    enableWake();
}

// Open for a time of day while idle, where the computer can be woken; greyed with the reason
// otherwise. What it can do is said where it is offered: sleep only.
void ControlPanel::enableWake()
{
    const QString tip =
        m_wakeWhyNot.isEmpty()
            ? tr("Wake the computer from sleep about two minutes before the time, so that the "
                 "warning and the action come. It cannot wake a computer that hibernates or "
                 "is turned off.")
            : m_wakeWhyNot;
    m_wakeBox->setToolTip(tip);
    m_wakeBox->setAccessibleDescription(tip);
    m_wakeBox->setEnabled(m_entryEnabled && m_wakeWhyNot.isEmpty() &&
                          selectedMode() == TimeMode::TimeOfDay);
}

void ControlPanel::showCapabilities(const ArmingController &arming)
{
    for (Action action : AllActions) {
        OptionButton *button = m_actionButtons[at(action)];
        m_whyNot[at(action)] = arming.whyNot(action);
        button->setToolTip(m_whyNot[at(action)]);
        button->setAccessibleDescription(m_whyNot[at(action)]);
    }
    enableActions();
}

// An action the system cannot carry out is greyed, selected or not: a saved choice stays as
// it was, and Start says why.
void ControlPanel::enableActions()
{
    for (Action action : AllActions)
        m_actionButtons[at(action)]->setEnabled(m_entryEnabled && m_whyNot[at(action)].isEmpty());
    // Tab reaches the actions through the one that last had the focus; greyed, it would
    // take the whole group out of the Tab walk.
    const bool reachable =
        std::any_of(m_actionButtons.cbegin(), m_actionButtons.cend(), [](const QWidget *b) {
            return b->isEnabled() && (b->focusPolicy() & Qt::TabFocus);
        });
    if (m_entryEnabled && !reachable)
        for (OptionButton *button : m_actionButtons)
            button->setFocusPolicy(Qt::StrongFocus);
}

// Up and Down walk the actions in reading order, down the first column and on into the
// second; the toolkit's nearest button below the foot of the first column would be the foot
// of the second. Left and Right stay the toolkit's: across to the other column.
bool ControlPanel::eventFilter(QObject *watched, QEvent *event)
{
    const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event)->key() : 0;
    const auto from = std::find_if(ReadingOrder.cbegin(), ReadingOrder.cend(),
                                   [&](Action a) { return m_actionButtons[at(a)] == watched; });
    if ((key != Qt::Key_Up && key != Qt::Key_Down) || from == ReadingOrder.cend())
        return false;
    OptionButton *const source = m_actionButtons[at(*from)];
    const int step = key == Qt::Key_Down ? 1 : -1;
    for (auto i = from - ReadingOrder.cbegin() + step; i >= 0 && i < ActionCount; i += step) {
        OptionButton *to = m_actionButtons[at(ReadingOrder[static_cast<std::size_t>(i)])];
        if (!to->isEnabled())
            continue;
        // As the toolkit's arrows: the selection moves along with the focus.
        if (source->isChecked())
            to->click();
        to->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        break;
    }
    return true;
}

void ControlPanel::showWaiting(const QString &status)
{
    const bool waiting = !status.isEmpty();
    // As the tool tip says it: a program's name keeps its own letter case.
    if (waiting)
        m_waitStatus->setText(status);
    if (waiting == !m_waitStatus->isHidden())
        return;
    for (auto *button : m_modeButtons)
        button->setVisible(!waiting);
    m_wakeBox->setVisible(!waiting);
    m_countdownFields->setVisible(!waiting);
    m_clockFields->setVisible(!waiting);
    m_waitStatus->setVisible(waiting);
}
