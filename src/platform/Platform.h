#pragma once

#include <memory>

class PowerRequester;
class TrayAnimator;
class TrayWatcher;
class WebOpener;

// The seams' implementations of the platform this program is built for; CMake compiles
// exactly one folder of platform/.
namespace Platform {
std::unique_ptr<PowerRequester> makePowerRequester();
std::unique_ptr<WebOpener> makeWebOpener();
std::unique_ptr<TrayAnimator> makeTrayAnimator();
std::unique_ptr<TrayWatcher> makeTrayWatcher();
// Whether the notification area draws the icon's menu itself.
bool trayMenuDrawnByHost();
} // namespace Platform
