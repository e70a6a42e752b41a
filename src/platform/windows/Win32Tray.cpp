#include "platform/windows/Win32Tray.h"

#include "tray/TraySearch.h"

#include <algorithm>
#include <cstring>

namespace win32 {

namespace {

HWND toHwnd(traysearch::WindowRef window)
{
    return reinterpret_cast<HWND>(window);
}

traysearch::WindowRef toRef(HWND window)
{
    return reinterpret_cast<traysearch::WindowRef>(window);
}

class Win32WindowTree final : public traysearch::WindowTree
{
public:
    explicit Win32WindowTree(const Win32Api &api) : m_api(api) {}

    traysearch::WindowRef findTopLevel(const char *className) override
    {
        return toRef(m_api.FindWindowA(className, nullptr));
    }
    traysearch::WindowRef firstChild(traysearch::WindowRef window) override
    {
        return toRef(m_api.GetWindow(toHwnd(window), GwChild));
    }
    traysearch::WindowRef nextSibling(traysearch::WindowRef window) override
    {
        return toRef(m_api.GetWindow(toHwnd(window), GwHwndNext));
    }
    void className(traysearch::WindowRef window, char *buffer, int length) override
    {
        m_api.GetClassNameA(toHwnd(window), buffer, length);
    }
    traysearch::Rect windowRect(traysearch::WindowRef window) override
    {
        RECT rect{};
        m_api.GetWindowRect(toHwnd(window), &rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }
    void drawAnimatedRects(traysearch::WindowRef window, int animation,
                           const traysearch::Rect &from, const traysearch::Rect &to) override
    {
        const RECT fromRect{from.left, from.top, from.right, from.bottom};
        const RECT toRect{to.left, to.top, to.right, to.bottom};
        m_api.DrawAnimatedRects(toHwnd(window), animation, &fromRect, &toRect);
    }

private:
    const Win32Api &m_api;
};

} // namespace

void AnimateTray(const Win32Api &api, int direction, HWND hWnd)
{
    Win32WindowTree tree(api);
    traysearch::animateTray(direction, toRef(hWnd), tree);
}

NOTIFYICONDATAA makeTrayIconRecord(HWND window, HICON icon, const TrayIconFields &fields)
{
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    record.cbSize = sizeof record;
    record.hWnd = window;
    record.uID = fields.id;
    record.uFlags = fields.flags;
    record.uCallbackMessage = fields.callbackMessage;
    record.hIcon = icon;
    static_assert(sizeof record.szTip >= TipFieldLength);
    std::memset(record.szTip, ' ', TipFieldLength);
    const std::size_t length = fields.tip ? std::strlen(fields.tip) : 0;
    const std::size_t kept = std::min(length, std::size_t{TipFieldLength - 1});
    if (kept > 0)
        std::memcpy(record.szTip, fields.tip, kept);
    record.szTip[kept] = '\0';
    return record;
}

BOOL addTrayIcon(const Win32Api &api, NOTIFYICONDATAA &record)
{
    return api.Shell_NotifyIconA(NimAdd, &record);
}

BOOL deleteTrayIcon(const Win32Api &api, NOTIFYICONDATAA &record)
{
    return api.Shell_NotifyIconA(NimDelete, &record);
}

TrayGesture onTrayNotification(const Win32Api &api, HWND mainWindow, UINT mouseMessage)
{
    switch (mouseMessage) {
    case WmLButtonDblClk:
        return TrayGesture::Restore;
    case WmRButtonUp:
        api.SetForegroundWindow(mainWindow);
        return TrayGesture::Menu;
    default:
        return TrayGesture::None;
    }
}

} // namespace win32
