#include "platform/windows/Win32Tray.h"
#include "tray/TrayIconData.h"
#include "tray/TrayIconHost.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QWidget>
#include <QWindow>

namespace {

// The icon's messages go to a hidden window of this host rather than to the main window:
// the callback message is the mouse-move message, and on the main window it could not be
// told apart from real pointer movements.
class ShellTrayIconHost final : public TrayIconHost, public QAbstractNativeEventFilter
{
public:
    ShellTrayIconHost() { QCoreApplication::instance()->installNativeEventFilter(this); }

    ~ShellTrayIconHost() override
    {
        remove();
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    void add(QWidget *window, const QIcon &icon, const TrayIconData &data, QMenu *) override
    {
        if (m_added || !window)
            return;
        const win32::Win32Api &api = win32::realWin32Api();
        m_mainWindow = reinterpret_cast<HWND>(window->window()->winId());
        m_sink.create();
        const int side = api.GetSystemMetrics(SM_CXSMICON);
        m_icon = icon.pixmap(side, side).toImage().toHICON();
        const QByteArray tip = data.szTip.toLocal8Bit();
        win32::TrayIconFields fields;
        fields.id = data.uID;
        fields.flags = data.uFlags;
        fields.callbackMessage = data.uCallbackMessage;
        fields.tip = tip.constData();
        m_record =
            win32::makeTrayIconRecord(reinterpret_cast<HWND>(m_sink.winId()), m_icon, fields);
        m_added = true;
        m_visible = win32::addTrayIcon(api, m_record) != 0;
    }

    void remove() override
    {
        if (!m_added)
            return;
        const win32::Win32Api &api = win32::realWin32Api();
        win32::deleteTrayIcon(api, m_record);
        if (m_icon)
            api.DestroyIcon(m_icon);
        m_icon = nullptr;
        m_added = false;
        m_visible = false;
    }

    bool isAvailable() const override
    {
        return win32::realWin32Api().FindWindowA("Shell_TrayWnd", nullptr) != nullptr;
    }

    bool isVisible() const override { return m_visible; }

    // The caption animation finds the notification area itself.
    QRect geometry() const override { return {}; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override
    {
        if (!m_added || eventType != "windows_generic_MSG")
            return false;
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->hwnd != m_record.hWnd || msg->message != m_record.uCallbackMessage)
            return false;
        // Without NIM_SETVERSION the shell puts the icon's mouse message in lParam.
        const UINT mouseMessage = static_cast<UINT>(msg->lParam);
        switch (win32::onTrayNotification(win32::realWin32Api(), m_mainWindow, mouseMessage)) {
        case win32::TrayGesture::Restore:
            emit restoreRequested();
            break;
        case win32::TrayGesture::Menu:
            emit menuRequested(QCursor::pos());
            break;
        case win32::TrayGesture::None:
            break;
        }
        *result = 0;
        return true;
    }

private:
    QWindow m_sink;
    HWND m_mainWindow = nullptr;
    HICON m_icon = nullptr;
    NOTIFYICONDATAA m_record{};
    bool m_added = false;
    bool m_visible = false;
};

} // namespace

std::unique_ptr<TrayIconHost> makePlatformTrayIconHost()
{
    return std::make_unique<ShellTrayIconHost>();
}
