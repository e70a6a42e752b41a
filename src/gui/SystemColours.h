#pragma once

#include <QColor>
#include <QPalette>

// Colours of the form 0x800000nn name a system colour; the platform palette supplies it.
namespace SystemColour {
inline constexpr unsigned WindowBackground = 0x80000005; // text box background
inline constexpr unsigned AppWorkspace = 0x8000000C;
inline constexpr unsigned ButtonFace = 0x8000000F;

inline QColor resolve(unsigned reference, const QPalette &palette)
{
    switch (reference) {
    case WindowBackground:
        return palette.color(QPalette::Active, QPalette::Base);
    case AppWorkspace:
        return palette.color(QPalette::Active, QPalette::Mid);
    case ButtonFace:
        return palette.color(QPalette::Active, QPalette::Button);
    default:
        return QColor::fromRgb(reference & 0xFF, (reference >> 8) & 0xFF, (reference >> 16) & 0xFF);
    }
}
} // namespace SystemColour
