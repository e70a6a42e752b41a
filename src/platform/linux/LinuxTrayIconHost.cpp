#include "tray/TrayIconHost.h"

// Filled in with the notification area.
std::unique_ptr<TrayIconHost> makePlatformTrayIconHost()
{
    return nullptr;
}
