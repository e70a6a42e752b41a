#include "gui/TrayAnimator.h"
#include "platform/Platform.h"

#include "platform/windows/WinHeaders.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// The caption of the window flies to the icon or back, drawn by Windows itself.
class CaptionTrayAnimator final : public TrayAnimator
{
public:
    // DrawAnimatedRects returns when the caption has arrived, a fraction of a second.
    void animate(Direction direction, QWidget *window, const QRect &trayIconGeometry,
                 Done done) override
    {
        draw(direction, window, trayIconGeometry);
        done();
    }

private:
    static void draw(Direction direction, QWidget *window, const QRect &trayIconGeometry)
    {
        const QScreen *primary = QGuiApplication::primaryScreen();
        if (!window || !primary || !trayIconGeometry.isValid())
            return;
        // The toolkit reports the icon's place in device-independent pixels, scaled with
        // the primary screen when the icon has no menu of its own (it has none here); the
        // primary screen's origin is where both kinds of pixels meet.
        const qreal ratio = primary->devicePixelRatio();
        const QPoint iconTopLeft = trayIconGeometry.topLeft() * ratio;
        const QSize iconSize = trayIconGeometry.size() * ratio;
        const RECT icon{iconTopLeft.x(), iconTopLeft.y(), iconTopLeft.x() + iconSize.width(),
                        iconTopLeft.y() + iconSize.height()};

        const HWND hwnd = reinterpret_cast<HWND>(window->window()->winId());
        RECT frame{};
        if (!GetWindowRect(hwnd, &frame))
            return;
        const bool toTray = direction == Direction::ToTray;
        DrawAnimatedRects(hwnd, IDANI_CAPTION, toTray ? &frame : &icon, toTray ? &icon : &frame);
    }
};

} // namespace

std::unique_ptr<TrayAnimator> Platform::makeTrayAnimator()
{
    return std::make_unique<CaptionTrayAnimator>();
}

// The notification area only reports the right click; the program shows the menu itself.
bool Platform::trayMenuDrawnByHost()
{
    return false;
}
