#pragma once

// <windows.h> the same way in every file: without the min and max macros, which break
// std::min/std::max and Qt, and without the rarely used parts.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// A hidden top-level window of class `className` whose messages go to `procedure` (the class
// is registered once; a second caller finds it registered). Top-level, not message-only:
// broadcasts such as WM_TIMECHANGE and WM_QUERYENDSESSION reach top-level windows only.
// Null on failure, with GetLastError() telling why.
inline HWND makeHiddenWindow(const wchar_t *className, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
}
