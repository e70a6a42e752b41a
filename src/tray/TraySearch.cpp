#include "tray/TraySearch.h"

#include <string_view>

namespace traysearch {

WindowRef findNotificationArea(WindowTree &tree)
{
    const WindowRef taskbar = tree.findTopLevel("Shell_TrayWnd");
    if (taskbar == 0)
        return 0;
    for (WindowRef child = tree.firstChild(taskbar); child != 0; child = tree.nextSibling(child)) {
        // Cleared for every child so a failed read cannot leave the previous name behind.
        char name[ClassNameLength] = {};
        tree.className(child, name, ClassNameLength);
        name[ClassNameLength - 1] = '\0';
        if (std::string_view(name).find("TrayNotifyWnd") != std::string_view::npos)
            return child;
    }
    return 0;
}

void animateTray(int direction, WindowRef window, WindowTree &tree)
{
    if (direction != 0 && direction != 1)
        return;
    const WindowRef tray = findNotificationArea(tree);
    if (tray == 0)
        return;
    const Rect windowRect = tree.windowRect(window);
    const Rect trayRect = tree.windowRect(tray);
    if (direction == 0)
        tree.drawAnimatedRects(window, IdaniCaption, trayRect, windowRect);
    else
        tree.drawAnimatedRects(window, IdaniCaption, windowRect, trayRect);
}

} // namespace traysearch
