#pragma once

#include "core/Version.h"

#include <QString>

// The title is also the settings application name and the caption of every message box.
namespace AppInfo {
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
// The developer's home page: the link of the About window and the start of every address.
inline QString homePageAddress()
{
    return QStringLiteral("https://brannock.example/");
}
} // namespace AppInfo
