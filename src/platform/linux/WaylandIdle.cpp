#include "core/IdleSource.h"
#include "platform/linux/IdleParts.h"

#include <QSocketNotifier>
#include <QTimer>

#include <wayland-client.h>

#include "ext-idle-notify-v1-client-protocol.h"
// wayland-scanner writes C; declared extern "C" its interface tables compile as C++ too.
// WORKAROUND: its tables are marked hidden after the header declared them plainly, which
// C accepts silently and C++ warns of; they stay visible, inside this program.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wattributes"
extern "C" {
#include "ext-idle-notify-v1-protocol.c"
}
#pragma GCC diagnostic pop

#include <cstring>
#include <limits>

// A connection of our own to the compositor, read from the event loop when the compositor
// writes and never waited on; the toolkit's, if it speaks Wayland, is its own business.
class WaylandIdle final : public QObject
{
    Q_OBJECT
public:
    ~WaylandIdle() override
    {
        if (m_notifier)
            ext_idle_notifier_v1_destroy(m_notifier);
        if (m_seat)
            wl_seat_destroy(m_seat);
        if (m_registry)
            wl_registry_destroy(m_registry);
        if (m_display)
            wl_display_disconnect(m_display);
    }

    // Asks for the compositor's globals; says globalsKnown() once they are all in.
    bool connectTo(const QString &name)
    {
        m_display = wl_display_connect(qPrintable(name));
        if (!m_display)
            return false;
        m_registry = wl_display_get_registry(m_display);
        wl_registry_add_listener(m_registry, &RegistryListener, this);
        wl_callback_add_listener(wl_display_sync(m_display), &SyncListener, this);
        m_readable = new QSocketNotifier(wl_display_get_fd(m_display), QSocketNotifier::Read, this);
        connect(m_readable, &QSocketNotifier::activated, this, &WaylandIdle::read);
        flush();
        return true;
    }

    bool canTell() const { return m_notifier && m_seat; }
    ext_idle_notification_v1 *notification(qint64 timeoutMs)
    {
        return ext_idle_notifier_v1_get_idle_notification(
            m_notifier, quint32(qBound<qint64>(0, timeoutMs, std::numeric_limits<quint32>::max())),
            m_seat);
    }
    void flush() { wl_display_flush(m_display); }

signals:
    void globalsKnown();
    // The compositor is gone, or broke the connection.
    void lost();

private:
    void read()
    {
        while (wl_display_prepare_read(m_display) != 0) {
            if (wl_display_dispatch_pending(m_display) < 0)
                return fail();
        }
        flush();
        if (wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0)
            return fail();
        flush();
    }

    void fail()
    {
        m_readable->setEnabled(false);
        emit lost();
    }

    static void onGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface,
                         uint32_t)
    {
        auto *self = static_cast<WaylandIdle *>(data);
        if (!self->m_notifier && std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0)
            self->m_notifier = static_cast<ext_idle_notifier_v1 *>(
                wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
        else if (!self->m_seat && std::strcmp(interface, wl_seat_interface.name) == 0)
            self->m_seat =
                static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    }
    static void onGlobalRemoved(void *, wl_registry *, uint32_t) {}
    static void onSynced(void *data, wl_callback *callback, uint32_t)
    {
        wl_callback_destroy(callback);
        emit static_cast<WaylandIdle *>(data)->globalsKnown();
    }

    static constexpr wl_registry_listener RegistryListener{&onGlobal, &onGlobalRemoved};
    static constexpr wl_callback_listener SyncListener{&onSynced};

    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    wl_seat *m_seat = nullptr;
    ext_idle_notifier_v1 *m_notifier = nullptr;
    QSocketNotifier *m_readable = nullptr;
};

namespace {

// The compositor's notification: idled once nobody has used the seat for the span since it
// was asked for, resumed at the next input; then the span begins again. It cannot tell the
// idleness before it was asked for.
class WaylandIdleSource final : public IdleSource
{
    Q_OBJECT
public:
    explicit WaylandIdleSource(std::shared_ptr<WaylandIdle> connection)
        : m_connection(std::move(connection))
    {
        connect(m_connection.get(), &WaylandIdle::lost, this, [this] {
            if (!m_notification)
                return;
            stop();
            emit failed(tr("The Wayland compositor no longer answers."));
        });
    }
    ~WaylandIdleSource() override { stop(); }

    void start(qint64 spanMs) override
    {
        stop();
        m_spanMs = spanMs;
        m_notification = m_connection->notification(spanMs);
        ext_idle_notification_v1_add_listener(m_notification, &Listener, this);
        m_connection->flush();
    }

    void stop() override
    {
        ++m_generation;
        m_told = false;
        if (m_notification) {
            ext_idle_notification_v1_destroy(m_notification);
            m_connection->flush();
        }
        m_notification = nullptr;
    }

private:
    // Answered from the event loop, not from inside the compositor's events.
    void later(void (WaylandIdleSource::*handle)())
    {
        QMetaObject::invokeMethod(
            this,
            [this, handle, generation = m_generation] {
                if (generation == m_generation)
                    (this->*handle)();
            },
            Qt::QueuedConnection);
    }
    void onIdled()
    {
        m_told = true;
        emit idleFor(m_spanMs);
    }
    void onResumed()
    {
        if (std::exchange(m_told, false))
            emit inUse();
    }

    static constexpr ext_idle_notification_v1_listener Listener{
        [](void *data, ext_idle_notification_v1 *) {
            static_cast<WaylandIdleSource *>(data)->later(&WaylandIdleSource::onIdled);
        },
        [](void *data, ext_idle_notification_v1 *) {
            static_cast<WaylandIdleSource *>(data)->later(&WaylandIdleSource::onResumed);
        }};

    const std::shared_ptr<WaylandIdle> m_connection;
    ext_idle_notification_v1 *m_notification = nullptr;
    qint64 m_spanMs = 0;
    quint64 m_generation = 0;
    bool m_told = false;
};

} // namespace

void findWaylandIdle(QObject *context, std::function<void(std::shared_ptr<WaylandIdle>)> found)
{
    // Deleted from the event loop: the answer may come from inside its own reading.
    const std::shared_ptr<WaylandIdle> connection(new WaylandIdle,
                                                  [](WaylandIdle *c) { c->deleteLater(); });
    struct Probe
    {
        std::function<void(std::shared_ptr<WaylandIdle>)> found;
        std::shared_ptr<WaylandIdle> connection; // until answered
        std::unique_ptr<QTimer> timeout;         // likewise: no wake-up after the answer
    };
    auto probe = std::make_shared<Probe>(Probe{std::move(found), connection, nullptr});
    const auto answer = [probe](bool known) {
        if (!probe->found)
            return;
        const auto done = std::exchange(probe->found, nullptr);
        const auto answered = std::exchange(probe->connection, nullptr);
        probe->timeout.release()->deleteLater();
        done(known && answered->canTell() ? answered : nullptr);
    };
    probe->timeout = std::make_unique<QTimer>();
    probe->timeout->setSingleShot(true);
    // WAYLAND_SOCKET is a connection handed to the toolkit: connecting would take it.
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty() || qEnvironmentVariableIsSet("WAYLAND_SOCKET") ||
        !connection->connectTo(name)) {
        QTimer::singleShot(0, context, [answer] { answer(false); });
        return;
    }
    QObject::connect(connection.get(), &WaylandIdle::globalsKnown, context,
                     [answer] { answer(true); });
    QObject::connect(connection.get(), &WaylandIdle::lost, context, [answer] { answer(false); });
    QObject::connect(probe->timeout.get(), &QTimer::timeout, context, [answer] { answer(false); });
    probe->timeout->start(IdleCallMs);
}

std::unique_ptr<IdleSource> makeWaylandIdleSource(std::shared_ptr<WaylandIdle> connection)
{
    return std::make_unique<WaylandIdleSource>(std::move(connection));
}

#include "WaylandIdle.moc"
