#include "gui/TrayController.h"

#include "gui/MoreTimeMenu.h"
#include "gui/TrayAnimator.h"
#include "gui/TrayWatcher.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QWidget>

#include <utility>

TrayController::TrayController(QWidget *window, TrayAnimator &animator, QObject *parent)
    : QObject(parent), m_window(window), m_animator(animator), m_menu(new QMenu(tr("Main"), window))
{
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    const auto action = [this](const QString &text, const char *name) {
        auto *a = new QAction(text, m_menu);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    // Shown above the usual entries only while something is armed.
    auto *moreTime = new MoreTimeMenu(m_menu);
    m_moreTimeAction = moreTime->menuAction();
    m_stopAction = action(tr("Stop"), "stopAction");
    m_armedSeparator = new QAction(m_menu);
    m_armedSeparator->setSeparator(true);
    m_menu->addActions({m_moreTimeAction, m_stopAction, m_armedSeparator});
    connect(moreTime, &MoreTimeMenu::chosen, this, &TrayController::moreTimeRequested);
    connect(m_stopAction, &QAction::triggered, this, &TrayController::stopRequested);
    setArmedEntries(false);
    QAction *restore = action(tr("Restore"), "restoreAction");
    QAction *schedules = action(tr("Schedules…"), "schedulesAction");
    QAction *about = action(tr("About Orvanta"), "aboutAction");
    QAction *exit = action(tr("Exit"), "exitAction");
    m_menu->addActions({restore, schedules, about});
    m_menu->addSeparator();
    m_menu->addAction(exit);
    connect(restore, &QAction::triggered, this, &TrayController::restoreWindow);
    connect(schedules, &QAction::triggered, this, &TrayController::schedulesRequested);
    connect(about, &QAction::triggered, this, &TrayController::aboutRequested);
    connect(exit, &QAction::triggered, this, &TrayController::exitRequested);
}

void TrayController::setArmedEntries(bool armed)
{
    for (QAction *action : {m_moreTimeAction, m_stopAction, m_armedSeparator})
        action->setVisible(armed);
}

TrayController::~TrayController()
{
    removeIcon();
}

void TrayController::addIcon(const QString &toolTip, bool menuDrawnByHost, TrayWatcher *watcher)
{
    if (m_icon || m_removed)
        return;
    if (watcher)
        connect(watcher, &TrayWatcher::changed, this, &TrayController::onTrayChanged);
    const QIcon icon = m_window->windowIcon();
    // An icon without a picture would never be shown.
    m_icon = std::make_unique<QSystemTrayIcon>(
        icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon) : icon);
    m_icon->setObjectName(QStringLiteral("trayIcon"));
    // What the window said while there was no icon yet ("Next: …") wins over the default.
    if (m_toolTip.isEmpty())
        m_toolTip = toolTip;
    m_icon->setToolTip(m_toolTip);
    if (menuDrawnByHost)
        m_icon->setContextMenu(m_menu);
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, &TrayController::onActivated);
    // Shown even without a notification area: the toolkit docks it when one appears.
    m_icon->show();
}

void TrayController::removeIcon()
{
    m_removed = true;
    if (m_icon)
        m_icon->hide();
    m_icon.reset();
}

void TrayController::setToolTip(const QString &toolTip)
{
    // Set only when it changes: an unchanged tip costs the notification area nothing. Kept
    // while there is no icon yet: the icon starts with it.
    if (toolTip == m_toolTip)
        return;
    m_toolTip = toolTip;
    if (m_icon)
        m_icon->setToolTip(toolTip);
}

bool TrayController::showMessage(const QString &title, const QString &text)
{
    if (!m_icon || !QSystemTrayIcon::supportsMessages())
        return false;
    m_icon->showMessage(title, text, QSystemTrayIcon::Warning);
    return true;
}

void TrayController::hideWindow()
{
    // Without a notification area a hidden window could not be brought back while a power
    // action may be armed, so it goes to the taskbar instead.
    if (!m_icon || !QSystemTrayIcon::isSystemTrayAvailable()) {
        m_window->showMinimized();
        // Wayland never reports the minimized state back: remembered here.
        m_minimizedUnseen = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
        return;
    }
    if (m_animating || m_window->isVisible())
        animate(true);
    else
        m_window->hide();
}

void TrayController::restoreWindow()
{
    animate(false);
}

void TrayController::animate(bool toTray)
{
    m_hiddenWhenAnimated = toTray;
    if (std::exchange(m_animating, true))
        return; // the running animation ends with the last wish
    m_animator.animate(toTray ? TrayAnimator::Direction::ToTray : TrayAnimator::Direction::ToWindow,
                       m_window, m_icon ? m_icon->geometry() : QRect(),
                       [self = QPointer<TrayController>(this)] {
                           if (self)
                               self->onAnimated();
                       });
}

void TrayController::onAnimated()
{
    m_animating = false;
    // The program may have ended while the frame flew.
    if (m_removed)
        return;
    if (m_hiddenWhenAnimated)
        m_window->hide();
    else
        showWindow();
}

void TrayController::showWindow()
{
    // WORKAROUND: Wayland has no request to leave the minimized state; a new surface is
    // the one way back into view.
    if (std::exchange(m_minimizedUnseen, false))
        m_window->hide();
    m_window->show();
    m_window->setWindowState(m_window->windowState() &
                             ~(Qt::WindowMinimized | Qt::WindowMaximized));
    m_window->raise();
    m_window->activateWindow();
}

bool TrayController::windowOutOfSight() const
{
    const bool hidden = m_animating ? m_hiddenWhenAnimated : !m_window->isVisible();
    return hidden || m_window->isMinimized() || m_minimizedUnseen;
}

void TrayController::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        m_lastTrigger.invalidate();
        restoreWindow();
        break;
    case QSystemTrayIcon::Trigger:
        // A StatusNotifierItem host never reports a double-click, only one activation per
        // click, so two of them within the double-click interval stand for it.
        if (m_lastTrigger.isValid() &&
            m_lastTrigger.elapsed() <= QApplication::doubleClickInterval()) {
            m_lastTrigger.invalidate();
            restoreWindow();
        } else {
            m_lastTrigger.start();
        }
        break;
    case QSystemTrayIcon::Context:
        showMenu(QCursor::pos());
        break;
    default:
        break;
    }
}

void TrayController::showMenu(const QPoint &globalPos)
{
    // The window comes to the front first, so that the menu closes when the user clicks
    // elsewhere, also while the window is hidden.
    m_window->raise();
    m_window->activateWindow();
    m_menu->popup(globalPos);
}

void TrayController::onTrayChanged()
{
    if (!m_icon)
        return;
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_icon->show();
        return;
    }
    // With the notification area gone there is no icon to bring a hidden window back by,
    // and an armed schedule could be neither seen nor stopped.
    if (!m_window->isVisible()) {
        m_window->showNormal();
        m_window->raise();
        m_window->activateWindow();
    }
}
