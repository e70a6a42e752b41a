#include "core/IdleSource.h"
#include "platform/linux/BusProbe.h"
#include "platform/linux/WaitParts.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int CallMs = 3000;

// The time since the last input, from the first of these that answers: GNOME's idle
// monitor (exact, on Wayland too), the X server's screensaver extension (exact on X11; under
// XWayland it would see only input to X programs, so not there), and logind's idle hint on
// the session (which the desktop sets when it deems the user away, and says when it changes).
// The first two are read every 5 s while started, the hint costs nothing until it changes.
class LinuxIdleSource final : public IdleSource
{
    Q_OBJECT
public:
    LinuxIdleSource()
    {
        m_poll.setInterval(ReadMs);
        connect(&m_poll, &QTimer::timeout, this, &LinuxIdleSource::read);
    }
    ~LinuxIdleSource() override { stop(); }

    void start(qint64) override
    {
        stop();
        const quint64 generation = ++m_generation;
        // Nothing is said from inside start().
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_generation)
                askMutter();
        });
    }

    void stop() override
    {
        ++m_generation;
        m_poll.stop();
        if (m_kind == Kind::Logind)
            QDBusConnection::systemBus().disconnect(
                Login1, m_session, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this,
                SLOT(onSessionChanged(QString, QVariantMap, QStringList)));
        m_kind = Kind::None;
    }

private slots:
    void onSessionChanged(const QString &interface, const QVariantMap &changed,
                          const QStringList &invalidated)
    {
        const auto idle = [](const QString &name) { return name.startsWith(u"Idle"); };
        if (interface == SessionInterface &&
            (std::any_of(changed.keyBegin(), changed.keyEnd(), idle) ||
             std::any_of(invalidated.cbegin(), invalidated.cend(), idle)))
            readHint();
    }

private:
    enum class Kind
    {
        None,
        Mutter,
        X11,
        Logind
    };
    static constexpr int ReadMs = 5000;
    static inline const QString Login1 = QStringLiteral("org.freedesktop.login1");
    static inline const QString SessionInterface = QStringLiteral("org.freedesktop.login1.Session");

    // Calls asynchronously; `done` runs unless the source was stopped or started anew.
    void call(const QDBusConnection &bus, const QDBusMessage &message,
              std::function<void(const QDBusMessage &)> done)
    {
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, CallMs), this);
        const quint64 generation = m_generation;
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, generation, done](QDBusPendingCallWatcher *w) {
                    w->deleteLater();
                    if (generation == m_generation)
                        done(w->reply());
                });
    }

    static QDBusMessage mutterCall()
    {
        return QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                              QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                                              QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                              QStringLiteral("GetIdletime"));
    }

    void askMutter()
    {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return askX11();
        call(bus, mutterCall(), [this](const QDBusMessage &reply) {
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                return askX11();
            m_kind = Kind::Mutter;
            m_poll.start();
            emit idleFor(reply.arguments().constFirst().toLongLong());
        });
    }

    void askX11()
    {
        const auto *x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        m_x11 = x11 ? x11->connection() : nullptr;
        const xcb_query_extension_reply_t *extension =
            m_x11 ? xcb_get_extension_data(m_x11, &xcb_screensaver_id) : nullptr;
        if (!extension || !extension->present || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            return askLogind();
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_x11)).data->root;
        m_kind = Kind::X11;
        m_poll.start();
        read();
    }

    void askLogind()
    {
        const quint64 generation = m_generation;
        // The system bus is joined only once it is known to answer: joining waits without limit.
        probeBus(systemBusAddress(), CallMs, this, [this, generation](BusAnswer answer) {
            if (generation != m_generation)
                return;
            if (answer != BusAnswer::Answers)
                return noSource();
            QDBusMessage get = QDBusMessage::createMethodCall(
                Login1, QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSession"));
            get << QStringLiteral("auto");
            call(QDBusConnection::systemBus(), get, [this](const QDBusMessage &reply) {
                if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                    return noSource();
                m_session = reply.arguments().constFirst().value<QDBusObjectPath>().path();
                m_kind = Kind::Logind;
                QDBusConnection::systemBus().connect(
                    Login1, m_session, QStringLiteral("org.freedesktop.DBus.Properties"),
                    QStringLiteral("PropertiesChanged"), this,
                    SLOT(onSessionChanged(QString, QVariantMap, QStringList)));
                readHint();
            });
        });
    }

    void readHint()
    {
        QDBusMessage get = QDBusMessage::createMethodCall(
            Login1, m_session, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("GetAll"));
        get << SessionInterface;
        call(QDBusConnection::systemBus(), get, [this](const QDBusMessage &reply) {
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                return noSource();
            const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
            if (!properties.value(QStringLiteral("IdleHint")).toBool()) {
                emit inUse();
                return;
            }
            // The hint's moment is on the system's monotonic clock, in microseconds.
            const quint64 since =
                properties.value(QStringLiteral("IdleSinceHintMonotonic")).toULongLong();
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const quint64 nowUs = quint64(now.tv_sec) * 1000000 + quint64(now.tv_nsec) / 1000;
            emit idleFor(since && since < nowUs ? qint64((nowUs - since) / 1000) : 0);
        });
    }

    // One reading of a source read at intervals.
    void read()
    {
        if (m_kind == Kind::Mutter) {
            call(QDBusConnection::sessionBus(), mutterCall(), [this](const QDBusMessage &reply) {
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                    emit idleFor(reply.arguments().constFirst().toLongLong());
            });
        } else if (m_kind == Kind::X11) {
            xcb_screensaver_query_info_reply_t *info = xcb_screensaver_query_info_reply(
                m_x11, xcb_screensaver_query_info(m_x11, m_root), nullptr);
            if (info)
                emit idleFor(info->ms_since_user_input);
            std::free(info);
        }
    }

    void noSource()
    {
        stop();
        emit failed(tr("This desktop does not tell how long nobody has used the computer."));
    }

    Kind m_kind = Kind::None;
    quint64 m_generation = 0;
    QTimer m_poll;
    xcb_connection_t *m_x11 = nullptr;
    xcb_window_t m_root = 0;
    QString m_session;
};

} // namespace

IdleSources::~IdleSources() = default;

void IdleSources::probe()
{
    QTimer::singleShot(0, this, [this] {
        m_probed = true;
        emit probed();
    });
}

std::unique_ptr<IdleSource> IdleSources::make(QString *) const
{
    return std::make_unique<LinuxIdleSource>();
}

#include "LinuxIdleSource.moc"
