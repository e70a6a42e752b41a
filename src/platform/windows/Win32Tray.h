#pragma once

#include "platform/windows/Win32Api.h"

namespace win32 {

inline constexpr UINT GwHwndNext = 2;
inline constexpr UINT GwChild = 5;

// The caption animation between hWnd and the notification area: direction 0 from the tray
// to the window, 1 from the window to the tray, anything else nothing. The notification
// area is searched afresh on every call.
void AnimateTray(const Win32Api &api, int direction, HWND hWnd);

inline constexpr DWORD NimAdd = 0;
inline constexpr DWORD NimDelete = 2;
inline constexpr UINT WmMouseMove = 0x200;
inline constexpr UINT WmLButtonDblClk = 0x203;
inline constexpr UINT WmRButtonUp = 0x205;
// The tip field's width in the original record; the text, a NUL and then spaces fill it.
inline constexpr int TipFieldLength = 64;

struct TrayIconFields
{
    UINT id = 1;
    UINT flags = 7; // NIF_MESSAGE | NIF_ICON | NIF_TIP
    UINT callbackMessage = WmMouseMove;
    const char *tip = "Carrowmelden";
};

// The record the shell keeps the icon by. The 88-byte layout with a 64-byte tip is the
// 32-bit ANSI one; a 64-bit build has wider handles, so cbSize is the size of
// NOTIFYICONDATAA as this build sees it and the fields stay the same.
NOTIFYICONDATAA makeTrayIconRecord(HWND window, HICON icon, const TrayIconFields &fields = {});

// The shell keeps its own copy, so the same record must go to the delete request.
BOOL addTrayIcon(const Win32Api &api, NOTIFYICONDATAA &record);
BOOL deleteTrayIcon(const Win32Api &api, NOTIFYICONDATAA &record);

enum class TrayGesture
{
    None,
    Restore,
    Menu
};

// What the icon's mouse message asks for: a left double-click restores; a right-button
// release brings the main window to the front (or the menu would not close when the user
// clicks elsewhere) and asks for the menu; everything else does nothing.
TrayGesture onTrayNotification(const Win32Api &api, HWND mainWindow, UINT mouseMessage);

} // namespace win32
