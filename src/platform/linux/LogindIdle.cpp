#include "core/IdleSource.h"
#include "platform/linux/BusProbe.h"
#include "platform/linux/IdleParts.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>
#include <ctime>

namespace {

const QString Login1 = QStringLiteral("org.freedesktop.login1");
const QString SessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");

QDBusMessage getAll(const QString &path)
{
    QDBusMessage get =
        QDBusMessage::createMethodCall(Login1, path, Properties, QStringLiteral("GetAll"));
    get << SessionInterface;
    return get;
}

QVariantMap propertiesOf(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
               ? qdbus_cast<QVariantMap>(reply.arguments().constFirst())
               : QVariantMap();
}

// The idle hint the desktop sets on the session when it deems the user away, and logind
// announces when it changes. It says nothing of the input before the desktop's own delay,
// so the idleness told is less than the real one: the wait may end later, never earlier.
class LogindIdleSource final : public IdleSource
{
    Q_OBJECT
public:
    explicit LogindIdleSource(const LogindSession &session)
        : m_bus(QDBusConnection::systemBus()), m_session(session)
    {
        // Any sender, told apart in the slot: with a sender named here the toolkit would ask
        // the bus for its owner and wait for the answer.
        m_bus.connect(QString(), m_session.path, Properties, QStringLiteral("PropertiesChanged"),
                      this, SLOT(onChanged(QString, QVariantMap, QStringList, QDBusMessage)));
    }
    ~LogindIdleSource() override
    {
        m_bus.disconnect(QString(), m_session.path, Properties, QStringLiteral("PropertiesChanged"),
                         this, SLOT(onChanged(QString, QVariantMap, QStringList, QDBusMessage)));
    }

    void start(qint64) override
    {
        stop();
        m_started = true;
        readHint();
    }

    void stop() override
    {
        ++m_generation;
        m_started = m_told = false;
    }

private slots:
    void onChanged(const QString &interface, const QVariantMap &changed,
                   const QStringList &invalidated, const QDBusMessage &message)
    {
        const auto idle = [](const QString &name) { return name.startsWith(u"Idle"); };
        if (m_started && message.service() == m_session.owner && interface == SessionInterface &&
            (std::any_of(changed.keyBegin(), changed.keyEnd(), idle) ||
             std::any_of(invalidated.cbegin(), invalidated.cend(), idle)))
            readHint();
    }

private:
    void readHint()
    {
        callLater(
            m_bus, getAll(m_session.path), this,
            [this, generation = m_generation](const QDBusMessage &reply) {
                if (generation != m_generation)
                    return;
                const QVariantMap properties = propertiesOf(reply);
                if (properties.isEmpty()) {
                    stop();
                    emit failed(tr("logind did not answer: %1").arg(reply.errorMessage()));
                } else if (!properties.value(QStringLiteral("IdleHint")).toBool()) {
                    if (std::exchange(m_told, false))
                        emit inUse();
                } else {
                    // On the system's monotonic clock, in microseconds.
                    const quint64 since =
                        properties.value(QStringLiteral("IdleSinceHintMonotonic")).toULongLong();
                    timespec now{};
                    clock_gettime(CLOCK_MONOTONIC, &now);
                    const quint64 nowUs =
                        quint64(now.tv_sec) * 1000000 + quint64(now.tv_nsec) / 1000;
                    m_told = true;
                    emit idleFor(since && since < nowUs ? qint64((nowUs - since) / 1000) : 0);
                }
            });
    }

    QDBusConnection m_bus;
    const LogindSession m_session;
    quint64 m_generation = 0;
    bool m_started = false;
    bool m_told = false;
};

} // namespace

// Worth using only on a graphical session whose desktop has set the hint at least once:
// logind keeps it for such sessions only as the desktop says (for text sessions it reads
// the terminal's last use and announces nothing), and its moment stays 0 until set.
void findLogindIdle(QObject *context, std::function<void(const LogindSession &)> found)
{
    // The system bus is joined only once it is known to answer: joining waits without limit.
    probeBus(systemBusAddress(), IdleCallMs, context, [context, found](BusAnswer answer) {
        if (answer != BusAnswer::Answers || !QDBusConnection::systemBus().isConnected())
            return found({});
        QDBusMessage get = QDBusMessage::createMethodCall(
            Login1, QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSession"));
        get << QStringLiteral("auto");
        callLater(
            QDBusConnection::systemBus(), get, context,
            [context, found](const QDBusMessage &reply) {
                const QString path =
                    reply.type() == QDBusMessage::ReplyMessage
                        ? reply.arguments().value(0).value<QDBusObjectPath>().path()
                        : QString();
                if (path.isEmpty())
                    return found({});
                callLater(
                    QDBusConnection::systemBus(), getAll(path), context,
                    [found, path](const QDBusMessage &reply) {
                        const QVariantMap properties = propertiesOf(reply);
                        const QString type = properties.value(QStringLiteral("Type")).toString();
                        const bool kept =
                            properties.value(QStringLiteral("IdleSinceHint")).toULongLong() != 0;
                        const bool graphical =
                            QStringList{QStringLiteral("x11"), QStringLiteral("wayland"),
                                        QStringLiteral("mir")}
                                .contains(type);
                        found(kept && graphical ? LogindSession{reply.service(), path}
                                                : LogindSession{});
                    });
            });
    });
}

std::unique_ptr<IdleSource> makeLogindIdleSource(const LogindSession &session)
{
    return std::make_unique<LogindIdleSource>(session);
}

#include "LogindIdle.moc"
