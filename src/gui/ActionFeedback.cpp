#include "gui/ActionFeedback.h"

#include "core/ArmingService.h"
#include "gui/ControlPanel.h"
#include "gui/MessageBox.h"
#include "gui/TimeRow.h"
#include "gui/TrayController.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

ActionFeedback::ActionFeedback(QWidget &window, ArmingService &service, ControlPanel &panel,
                               TrayController &tray, MessageBoxService &messages)
    : QObject(&window), m_window(window), m_service(service), m_panel(panel), m_tray(tray),
      m_messages(messages)
{
    connect(&m_service, &ArmingService::capabilitiesChanged, this, [this] {
        m_panel.showCapabilities(m_service.hand());
        m_panel.showWakeCapability(m_service.wakeWhyNot());
    });
    connect(&m_service.hand(), &ArmingController::refused, this,
            [this](Action action, bool, const PowerResult &result) { onRefused(action, result); });
    // A countdown ran its fields down to zero: after a sleep or a lock they show what was
    // armed again, so that Start arms the same once more. A wait counted nothing down, and
    // its order holds no fields: the rows stay as they are.
    connect(&m_service.hand(), &ArmingController::carriedOut, this, [this] {
        const ArmOrder &order = m_service.hand().order();
        const bool counted = std::any_of(order.fields.begin(), order.fields.end(),
                                         [](const QString &field) { return !field.isEmpty(); });
        if (counted)
            m_panel.row(order.mode)->setTexts(order.fields);
    });
    m_window.installEventFilter(this);
}

void ActionFeedback::probe()
{
    m_service.probeCapabilities();
}

bool ActionFeedback::refuse(Action action)
{
    QString why = m_service.whyNot(action);
    // The command it needs (as the action, or before it) is looked at as Start would.
    if (why.isEmpty()) {
        ArmOrder order = m_panel.order();
        order.action = action;
        why = m_service.hand().commandProblem(order);
    }
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
