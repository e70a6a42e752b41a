#include "gui/ActionFeedback.h"

#include "core/ArmingController.h"
#include "gui/ControlPanel.h"
#include "gui/MessageBox.h"
#include "gui/TimeRow.h"
#include "gui/TrayController.h"

#include <QEvent>
#include <QWidget>

#include <utility>

ActionFeedback::ActionFeedback(QWidget &window, ArmingController &arming, ControlPanel &panel,
                               TrayController &tray, MessageBoxService &messages)
    : QObject(&window), m_window(window), m_arming(arming), m_panel(panel), m_tray(tray),
      m_messages(messages)
{
    connect(&m_arming, &ArmingController::capabilitiesProbed, this,
            [this] { m_panel.showCapabilities(m_arming); });
    connect(&m_arming, &ArmingController::refused, this,
            [this](Action action, bool, const PowerResult &result) { onRefused(action, result); });
    // A countdown ran its fields down to zero: after a sleep or a lock they show what was
    // armed again, so that Start arms the same once more.
    connect(&m_arming, &ArmingController::carriedOut, this,
            [this] { m_panel.row(m_arming.order().mode)->setTexts(m_arming.order().fields); });
    m_window.installEventFilter(this);
}

void ActionFeedback::probe()
{
    m_arming.probeCapabilities();
}

bool ActionFeedback::refuse(Action action)
{
    const QString why = m_arming.whyNot(action);
    if (!why.isEmpty())
        m_messages.information(&m_window, why);
    return !why.isEmpty();
}

bool ActionFeedback::eventFilter(QObject *watched, QEvent *event)
{
    // The first showing follows the prepared window's own question; each later one (from
    // the notification area, out of the minimized state) asks again.
    if (watched == &m_window && event->type() == QEvent::Show && std::exchange(m_shownBefore, true))
        probe();
    // Closing is never refused: nothing is told once the window has gone.
    else if (watched == &m_window && event->type() == QEvent::Close)
        m_closed = true;
    return false;
}

void ActionFeedback::onRefused(Action action, const PowerResult &result)
{
    if (m_closed)
        return;
    // Nobody would learn why the computer stayed on: the window comes back, disarmed, so
    // that Force can be ticked or the time set again.
    if (m_tray.windowOutOfSight())
        m_tray.restoreWindow();
    m_messages.information(&m_window, PowerTexts::refusalMessage(action, result));
}
