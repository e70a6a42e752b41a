#include "Win32Fakes.h"

#include "platform/windows/Win32Power.h"
#include "platform/windows/Win32Tray.h"

#include <algorithm>
#include <cstring>

namespace fake {

namespace {

State g_state;

std::string textOf(const char *text)
{
    return text ? std::string(text) : std::string("<null>");
}

template <typename T> std::vector<unsigned char> bytesOf(const T *record, std::size_t size)
{
    std::vector<unsigned char> bytes(size);
    if (record)
        std::memcpy(bytes.data(), record, size);
    return bytes;
}

Call &record(const char *name)
{
    g_state.calls.push_back(Call{name, {}, {}, {}});
    return g_state.calls.back();
}

const Window *windowById(std::uintptr_t id)
{
    for (const Window &window : g_state.windows)
        if (window.id == id)
            return &window;
    return nullptr;
}

HWND asHwnd(std::uintptr_t id)
{
    return reinterpret_cast<HWND>(id);
}

HANDLE WINAPI getCurrentProcess()
{
    record("GetCurrentProcess");
    return g_state.process;
}

BOOL WINAPI openProcessToken(HANDLE process, DWORD access, PHANDLE token)
{
    record("OpenProcessToken").args = {number(process), access};
    if (!g_state.openProcessTokenResult)
        return 0;
    *token = g_state.token;
    return 1;
}

BOOL WINAPI lookupPrivilegeValueA(LPCSTR systemName, LPCSTR name, PLUID luid)
{
    record("LookupPrivilegeValueA").text = textOf(systemName) + "|" + textOf(name);
    if (!g_state.lookupResult)
        return 0;
    *luid = g_state.luid;
    return 1;
}

BOOL WINAPI adjustTokenPrivileges(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES newState,
                                  DWORD bufferLength, PTOKEN_PRIVILEGES previousState,
                                  PDWORD returnLength)
{
    Call &call = record("AdjustTokenPrivileges");
    call.args = {number(token),
                 static_cast<std::uintptr_t>(disableAll),
                 bufferLength,
                 number(previousState),
                 returnLength != nullptr,
                 returnLength ? *returnLength : 0xdeadu};
    call.bytes = bytesOf(newState, sizeof(win32::ShutdownPrivilegeRecord));
    return g_state.adjustResult;
}

BOOL WINAPI exitWindowsEx(UINT flags, DWORD reason)
{
    record("ExitWindowsEx").args = {flags, reason};
    return g_state.exitResult;
}

DWORD WINAPI getLastError()
{
    record("GetLastError");
    return g_state.lastError;
}

HINSTANCE WINAPI shellExecuteA(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                               LPCSTR directory, INT showCommand)
{
    Call &call = record("ShellExecuteA");
    call.args = {number(owner), static_cast<std::uintptr_t>(showCommand)};
    call.text =
        textOf(operation) + "|" + textOf(file) + "|" + textOf(parameters) + "|" + textOf(directory);
    return reinterpret_cast<HINSTANCE>(g_state.shellResult);
}

HWND WINAPI findWindowA(LPCSTR className, LPCSTR windowName)
{
    record("FindWindowA").text = textOf(className) + "|" + textOf(windowName);
    for (const Window &window : g_state.windows)
        if (window.parent == 0 && className && window.className == className)
            return asHwnd(window.id);
    return nullptr;
}

HWND WINAPI getWindow(HWND handle, UINT relation)
{
    const std::uintptr_t id = number(handle);
    record("GetWindow").args = {id, relation};
    if (relation == win32::GwChild) {
        for (const Window &window : g_state.windows)
            if (window.parent == id)
                return asHwnd(window.id);
    } else if (relation == win32::GwHwndNext) {
        const Window *self = windowById(id);
        bool passed = false;
        for (const Window &window : g_state.windows) {
            if (passed && self && window.parent == self->parent)
                return asHwnd(window.id);
            passed = passed || &window == self;
        }
    }
    return nullptr;
}

int WINAPI getClassNameA(HWND handle, LPSTR buffer, int length)
{
    record("GetClassNameA").args = {number(handle), static_cast<std::uintptr_t>(length)};
    const Window *window = windowById(number(handle));
    if (!window || length <= 0)
        return 0;
    // As the platform does: cut to length - 1 characters and always terminate.
    const std::size_t kept = std::min(window->className.size(), std::size_t(length - 1));
    std::memcpy(buffer, window->className.data(), kept);
    buffer[kept] = '\0';
    return static_cast<int>(kept);
}

BOOL WINAPI getWindowRect(HWND handle, LPRECT rect)
{
    record("GetWindowRect").args = {number(handle)};
    const Window *window = windowById(number(handle));
    if (!window)
        return 0;
    *rect = window->rect;
    return 1;
}

BOOL WINAPI drawAnimatedRects(HWND handle, int animation, const RECT *from, const RECT *to)
{
    Call &call = record("DrawAnimatedRects");
    call.args = {number(handle),
                 static_cast<std::uintptr_t>(animation),
                 static_cast<std::uintptr_t>(from->left),
                 static_cast<std::uintptr_t>(from->top),
                 static_cast<std::uintptr_t>(from->right),
                 static_cast<std::uintptr_t>(from->bottom),
                 static_cast<std::uintptr_t>(to->left),
                 static_cast<std::uintptr_t>(to->top),
                 static_cast<std::uintptr_t>(to->right),
                 static_cast<std::uintptr_t>(to->bottom)};
    return 1;
}

BOOL WINAPI shellNotifyIconA(DWORD message, PNOTIFYICONDATAA data)
{
    Call &call = record("Shell_NotifyIconA");
    call.args = {message};
    call.bytes = bytesOf(data, sizeof(NOTIFYICONDATAA));
    return g_state.notifyResult;
}

BOOL WINAPI setForegroundWindow(HWND handle)
{
    record("SetForegroundWindow").args = {number(handle)};
    return 1;
}

int WINAPI getSystemMetrics(int index)
{
    record("GetSystemMetrics").args = {static_cast<std::uintptr_t>(index)};
    return 16;
}

BOOL WINAPI destroyIcon(HICON icon)
{
    record("DestroyIcon").args = {number(icon)};
    return 1;
}

const win32::Win32Api g_api{
    .GetCurrentProcess = &getCurrentProcess,
    .OpenProcessToken = &openProcessToken,
    .LookupPrivilegeValueA = &lookupPrivilegeValueA,
    .AdjustTokenPrivileges = &adjustTokenPrivileges,
    .ExitWindowsEx = &exitWindowsEx,
    .GetLastError = &getLastError,
    .ShellExecuteA = &shellExecuteA,
    .FindWindowA = &findWindowA,
    .GetWindow = &getWindow,
    .GetClassNameA = &getClassNameA,
    .GetWindowRect = &getWindowRect,
    .DrawAnimatedRects = &drawAnimatedRects,
    .Shell_NotifyIconA = &shellNotifyIconA,
    .SetForegroundWindow = &setForegroundWindow,
    .GetSystemMetrics = &getSystemMetrics,
    .DestroyIcon = &destroyIcon,
};

} // namespace

State &state()
{
    return g_state;
}

void reset()
{
    g_state = State{};
}

const win32::Win32Api &api()
{
    return g_api;
}

std::vector<std::string> callNames()
{
    std::vector<std::string> names;
    for (const Call &call : g_state.calls)
        names.push_back(call.name);
    return names;
}

} // namespace fake
