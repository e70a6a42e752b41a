#pragma once

#include <QString>

// What the notification area needs to know of the main window's icon. On Windows this is
// turned into the NOTIFYICONDATA record the shell expects (the 88-byte ANSI layout belongs
// to 32-bit builds; a 64-bit build uses the same fields in the wider record).
struct TrayIconData
{
    unsigned uID = 1;
    unsigned uFlags = 7;               // NIF_MESSAGE | NIF_ICON | NIF_TIP
    unsigned uCallbackMessage = 0x200; // WM_MOUSEMOVE
    QString szTip;
    bool added = false;
};
