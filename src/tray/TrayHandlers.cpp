#include "tray/TrayAnimator.h"
#include "tray/TrayIconHost.h"
#include "ui/Shutdown.h"

#include <QMenu>

void Shutdown::AddTrayIcon()
{
    trayIconData.uID = 1;
    trayIconData.uFlags = 7;
    trayIconData.uCallbackMessage = 0x200;
    trayIconData.szTip = QStringLiteral("Carrowmelden");
    TrayIconHost *host = m_services.trayHost;
    if (!host)
        return;
    connect(host, &TrayIconHost::restoreRequested, this, &Shutdown::trayIcon_DblClick);
    connect(host, &TrayIconHost::menuRequested, this, &Shutdown::trayIcon_MenuRequested);
    host->add(this, windowIcon(), trayIconData, mnuPopup);
    trayIconData.added = true;
}

void Shutdown::Form_Terminate()
{
    if (!trayIconData.added)
        return;
    trayIconData.added = false;
    m_services.trayHost->disconnect(this);
    m_services.trayHost->remove();
}

void Shutdown::MinimizeToTray()
{
    TrayIconHost *host = m_services.trayHost;
    // Without a notification area a hidden window could not be brought back while a power
    // action may be armed, so it goes to the taskbar instead.
    if (!host || !trayIconData.added || !host->isAvailable()) {
        showMinimized();
        return;
    }
    if (isVisible())
        m_services.trayAnimator->animate(1, this, host->geometry());
    hide();
}

void Shutdown::RestoreFromTray()
{
    const TrayIconHost *host = m_services.trayHost;
    m_services.trayAnimator->animate(0, this, host ? host->geometry() : QRect());
    // A tick during the animation may have ended the program.
    if (m_unloaded)
        return;
    show();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    raise();
    activateWindow();
}

void Shutdown::mnuShow_Click()
{
    RestoreFromTray();
}

void Shutdown::mnuMinimize_Click()
{
    MinimizeToTray();
}

void Shutdown::minimizeButton_Click()
{
    MinimizeToTray();
}

void Shutdown::trayIcon_DblClick()
{
    RestoreFromTray();
}

void Shutdown::trayIcon_MenuRequested(const QPoint &globalPos)
{
    // The window comes to the front first, so that the menu closes when the user clicks
    // elsewhere, also while the window is hidden.
    raise();
    activateWindow();
    mnuPopup->popup(globalPos);
}
