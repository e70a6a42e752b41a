#pragma once

// The Win32 types the back-ends use. On Windows they come from windows.h; elsewhere a few
// stand-ins of the same shape let the same logic build and run against fakes in the
// ordinary test suite.
#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h brings it too unless WIN32_LEAN_AND_MEAN is set.
#include <shellapi.h>

#else

#include <cstdint>

#define WINAPI

using BOOL = int;
using INT = int;
using UINT = unsigned int;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using INT_PTR = std::intptr_t;
using PDWORD = DWORD *;
using LPCSTR = const char *;
using LPSTR = char *;
using HANDLE = void *;
using PHANDLE = HANDLE *;
struct HWND__;
using HWND = HWND__ *;
struct HICON__;
using HICON = HICON__ *;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__ *;

struct LUID
{
    DWORD LowPart;
    LONG HighPart;
};
using PLUID = LUID *;

struct LUID_AND_ATTRIBUTES
{
    LUID Luid;
    DWORD Attributes;
};

struct TOKEN_PRIVILEGES
{
    DWORD PrivilegeCount;
    LUID_AND_ATTRIBUTES Privileges[1];
};
using PTOKEN_PRIVILEGES = TOKEN_PRIVILEGES *;

struct RECT
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT *;

// The leading fields of the shell's record, in its order; the tip has its full width.
struct NOTIFYICONDATAA
{
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    char szTip[128];
};
using PNOTIFYICONDATAA = NOTIFYICONDATAA *;

#endif
