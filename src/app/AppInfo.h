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
// Reverse-DNS id shared by the desktop entry, the metainfo and the icon name.
inline QString applicationId()
{
    return QStringLiteral("example.brannock.Orvanta");
}
} // namespace AppInfo
