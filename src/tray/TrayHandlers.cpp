#include "ui/Shutdown.h"

// Filled in with the notification area.
void Shutdown::AddTrayIcon() {}
void Shutdown::Form_Terminate() {}
void Shutdown::MinimizeToTray() {}
void Shutdown::RestoreFromTray() {}
void Shutdown::mnuShow_Click() {}
void Shutdown::mnuMinimize_Click() {}
void Shutdown::minimizeButton_Click() {}
void Shutdown::trayIcon_DblClick() {}
void Shutdown::trayIcon_MenuRequested(const QPoint &globalPos)
{
    Q_UNUSED(globalPos);
}
