#pragma once

#include <QRect>

class QWidget;

// The caption animation between the main window and the notification area. Synchronous:
// the caller hides or shows the window after it returns.
class TrayAnimator
{
public:
    enum class Direction
    {
        ToWindow, // restoring
        ToTray    // hiding
    };
    virtual ~TrayAnimator() = default;
    // trayIconGeometry is the icon's place on screen as the toolkit reports it; invalid
    // when unknown, and then nothing is drawn.
    virtual void animate(Direction direction, QWidget *window, const QRect &trayIconGeometry) = 0;
};
