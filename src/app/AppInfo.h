#pragma once

#include <QString>

// The title is also the settings application name and the caption of every message box.
namespace AppInfo {
inline constexpr int Major = 1;
inline constexpr int Minor = 2;
inline constexpr int Revision = 10;
inline QString title()
{
    return QStringLiteral("Orvanta");
}
// The name the desktop matches the window to its entry by: the desktop file, the icon and
// the binary. The AppStream component id is the separate reverse-DNS example.brannock.Orvanta.
inline QString applicationId()
{
    return QStringLiteral("orvanta");
}
} // namespace AppInfo
