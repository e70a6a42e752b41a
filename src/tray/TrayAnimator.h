#pragma once

#include <QRect>

#include <memory>

class QWidget;

// The caption animation between the main window and the notification area. direction 0:
// from the tray to the window (restore); 1: from the window to the tray (minimize); any
// other value does nothing. Synchronous: the caller hides or shows after it returns.
class TrayAnimator
{
public:
    virtual ~TrayAnimator() = default;
    // trayIconGeometry is the icon's place on screen as the toolkit reports it (may be
    // invalid); a platform that finds the notification area itself may ignore it.
    virtual void animate(int direction, QWidget *window, const QRect &trayIconGeometry) = 0;
};

// Defined once per platform under platform/.
std::unique_ptr<TrayAnimator> makePlatformTrayAnimator();
