#pragma once

#include <cstdint>

// The caption animation between a window and the notification area, written against a
// small window tree so the search can run without a taskbar. No Qt here: the Windows
// back-end builds this file with nothing but the standard library.
namespace traysearch {

// A window as the tree knows it; 0 is "no window".
using WindowRef = std::uintptr_t;

// The class name is read into a buffer of this many characters, terminator included.
inline constexpr int ClassNameLength = 255;
inline constexpr int IdaniCaption = 3;

struct Rect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const Rect &, const Rect &) = default;
};

class WindowTree
{
public:
    virtual ~WindowTree() = default;
    // The top-level window of that class, any title.
    virtual WindowRef findTopLevel(const char *className) = 0;
    virtual WindowRef firstChild(WindowRef window) = 0;
    // The next window below at the same level.
    virtual WindowRef nextSibling(WindowRef window) = 0;
    // Writes at most length - 1 characters and a terminating NUL, as the platform does.
    virtual void className(WindowRef window, char *buffer, int length) = 0;
    virtual Rect windowRect(WindowRef window) = 0;
    virtual void drawAnimatedRects(WindowRef window, int animation, const Rect &from,
                                   const Rect &to) = 0;
};

// The taskbar's first direct child whose class name contains "TrayNotifyWnd" (letter case
// counts); 0 when there is no taskbar or no such child.
WindowRef findNotificationArea(WindowTree &tree);

// direction 0: from the notification area to the window; 1: from the window to the
// notification area; anything else does nothing. Without a notification area nothing is
// drawn.
void animateTray(int direction, WindowRef window, WindowTree &tree);

} // namespace traysearch
