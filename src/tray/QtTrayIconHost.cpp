#include "tray/QtTrayIconHost.h"

#include "tray/TrayIconData.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QStyle>

QtTrayIconHost::QtTrayIconHost(bool menuDrawnByHost, QObject *parent)
    : TrayIconHost(parent), m_menuDrawnByHost(menuDrawnByHost)
{
    m_poll.setInterval(AvailabilityPollMs);
    connect(&m_poll, &QTimer::timeout, this, &QtTrayIconHost::pollAvailability);
}

QtTrayIconHost::~QtTrayIconHost()
{
    remove();
}

void QtTrayIconHost::add(QWidget *window, const QIcon &icon, const TrayIconData &data, QMenu *menu)
{
    Q_UNUSED(window);
    if (m_icon)
        return;
    // An icon without a picture would never be shown.
    m_icon = new QSystemTrayIcon(
        icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon) : icon, this);
    m_icon->setObjectName(QStringLiteral("trayIcon"));
    m_icon->setToolTip(data.szTip);
    if (m_menuDrawnByHost)
        m_icon->setContextMenu(menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &QtTrayIconHost::activated);
    // Shown even without a notification area: the toolkit docks it when one appears.
    m_icon->show();
    if (!isAvailable())
        m_poll.start();
}

void QtTrayIconHost::remove()
{
    m_poll.stop();
    if (!m_icon)
        return;
    m_icon->hide();
    delete m_icon;
    m_icon = nullptr;
}

bool QtTrayIconHost::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTrayIconHost::isVisible() const
{
    return m_icon && m_icon->isVisible();
}

QRect QtTrayIconHost::geometry() const
{
    return m_icon ? m_icon->geometry() : QRect();
}

void QtTrayIconHost::activated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        m_lastTrigger.invalidate();
        emit restoreRequested();
        break;
    case QSystemTrayIcon::Trigger:
        // A StatusNotifierItem host never reports a double-click, only one activation per
        // click, so two of them within the double-click interval stand for it.
        if (m_lastTrigger.isValid() &&
            m_lastTrigger.elapsed() <= QApplication::doubleClickInterval()) {
            m_lastTrigger.invalidate();
            emit restoreRequested();
        } else {
            m_lastTrigger.start();
        }
        break;
    case QSystemTrayIcon::Context:
        emit menuRequested(QCursor::pos());
        break;
    default:
        break;
    }
}

void QtTrayIconHost::pollAvailability()
{
    if (!isAvailable())
        return;
    m_poll.stop();
    if (m_icon)
        m_icon->show();
    emit availabilityChanged(true);
}
