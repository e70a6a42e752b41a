#include "gui/TrayWatcher.h"
#include "platform/Platform.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// An XEmbed notification area owns the selection _NET_SYSTEM_TRAY_S<screen>; a new one
// announces itself with a MANAGER message to the root window, and a leaving one takes its
// window with it. A StatusNotifierItem area is a name on the session bus.
class LinuxTrayWatcher final : public TrayWatcher, public QAbstractNativeEventFilter
{
public:
    LinuxTrayWatcher()
    {
        m_sni = new QDBusServiceWatcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                        QDBusConnection::sessionBus(),
                                        QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(m_sni, &QDBusServiceWatcher::serviceOwnerChanged, this, &TrayWatcher::changed);
        watchX11();
    }
    ~LinuxTrayWatcher() override
    {
        if (m_x11)
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        switch (event->response_type & 0x7f) {
        case XCB_CLIENT_MESSAGE: {
            const auto *client = static_cast<const xcb_client_message_event_t *>(message);
            if (client->window == m_root && client->type == m_manager &&
                client->data.data32[1] == m_selection)
                ownerChanged();
            break;
        }
        case XCB_DESTROY_NOTIFY:
            if (static_cast<const xcb_destroy_notify_event_t *>(message)->window == m_owner)
                ownerChanged();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void watchX11()
    {
        const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !(m_x11 = x11->connection()))
            return;
        const xcb_setup_t *setup = xcb_get_setup(m_x11);
        m_root = xcb_setup_roots_iterator(setup).data->root;
        m_selection = atom("_NET_SYSTEM_TRAY_S0");
        m_manager = atom("MANAGER");
        // Added to what the toolkit already listens to on the root window, never instead.
        xcb_get_window_attributes_reply_t *attributes = xcb_get_window_attributes_reply(
            m_x11, xcb_get_window_attributes(m_x11, m_root), nullptr);
        const uint32_t mask =
            (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        std::free(attributes);
        xcb_change_window_attributes(m_x11, m_root, XCB_CW_EVENT_MASK, &mask);
        QCoreApplication::instance()->installNativeEventFilter(this);
        watchOwner();
    }

    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_x11, xcb_intern_atom(m_x11, 0, static_cast<uint16_t>(qstrlen(name)), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }

    void watchOwner()
    {
        xcb_get_selection_owner_reply_t *reply = xcb_get_selection_owner_reply(
            m_x11, xcb_get_selection_owner(m_x11, m_selection), nullptr);
        m_owner = reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
        std::free(reply);
        if (m_owner == XCB_WINDOW_NONE)
            return;
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_x11, m_owner, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_x11);
    }

    void ownerChanged()
    {
        watchOwner();
        // After the toolkit has seen the same event: it keeps its own idea of the owner.
        QMetaObject::invokeMethod(this, &TrayWatcher::changed, Qt::QueuedConnection);
    }

    QDBusServiceWatcher *m_sni = nullptr;
    xcb_connection_t *m_x11 = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_window_t m_owner = XCB_WINDOW_NONE;
    xcb_atom_t m_selection = XCB_ATOM_NONE;
    xcb_atom_t m_manager = XCB_ATOM_NONE;
};

} // namespace

std::unique_ptr<TrayWatcher> Platform::makeTrayWatcher()
{
    return std::make_unique<LinuxTrayWatcher>();
}
