#pragma once

#include <QRect>

#include <functional>

class QWidget;

// The caption animation between the main window and the notification area. Asynchronous:
// the caller hides or shows the window when done is called, which may happen before animate
// returns (nothing to draw, or an animation the system draws at once).
class TrayAnimator
{
public:
    enum class Direction
    {
        ToWindow, // restoring
        ToTray    // hiding
    };
    using Done = std::function<void()>;
    virtual ~TrayAnimator() = default;
    // trayIconGeometry is the icon's place on screen as the toolkit reports it; invalid
    // when unknown, and then nothing is drawn. done is called exactly once.
    virtual void animate(Direction direction, QWidget *window, const QRect &trayIconGeometry,
                         Done done) = 0;
};
