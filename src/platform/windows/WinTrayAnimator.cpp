#include "platform/windows/Win32Tray.h"
#include "tray/TrayAnimator.h"

#include <QWidget>

namespace {
class CaptionTrayAnimator final : public TrayAnimator
{
public:
    // The notification area is found through the taskbar's windows, so the icon's
    // geometry is not needed here.
    void animate(int direction, QWidget *window, const QRect &) override
    {
        if (!window)
            return;
        win32::AnimateTray(win32::realWin32Api(), direction,
                           reinterpret_cast<HWND>(window->window()->winId()));
    }
};
} // namespace

std::unique_ptr<TrayAnimator> makePlatformTrayAnimator()
{
    return std::make_unique<CaptionTrayAnimator>();
}
