#include "gui/TrayWatcher.h"
#include "platform/Platform.h"

// The taskbar's notification area is always there, and QSystemTrayIcon adds the icon again
// by itself when Explorer restarts: nothing to announce.
std::unique_ptr<TrayWatcher> Platform::makeTrayWatcher()
{
    return std::make_unique<TrayWatcher>();
}

void Platform::avoidSilentBuses() {}
