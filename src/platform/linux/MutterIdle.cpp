#include "core/IdleSource.h"
#include "platform/linux/IdleParts.h"

#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QSet>
#include <QTimer>

namespace {

const QString Service = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString Path = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");

QDBusMessage monitorCall(const QString &method)
{
    return QDBusMessage::createMethodCall(Service, Path, Service, method);
}

// GNOME's idle monitor: a watch that fires each time the idleness reaches the span, and a
// watch for the next input after something was told. Between them nothing is asked.
class MutterIdleSource final : public IdleSource
{
    Q_OBJECT
public:
    explicit MutterIdleSource(const QString &owner)
        : m_bus(QDBusConnection::sessionBus()), m_owner(owner),
          m_gone(Service, m_bus, QDBusServiceWatcher::WatchForUnregistration)
    {
        // Any sender, told apart in the slot: with a sender named here the toolkit would ask
        // the bus for its owner and wait for the answer.
        m_bus.connect(QString(), Path, Service, QStringLiteral("WatchFired"), this,
                      SLOT(onWatchFired(uint, QDBusMessage)));
        connect(&m_gone, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
            if (!m_started)
                return;
            stop();
            emit failed(tr("GNOME's idle monitor has gone."));
        });
    }
    ~MutterIdleSource() override
    {
        stop();
        m_bus.disconnect(QString(), Path, Service, QStringLiteral("WatchFired"), this,
                         SLOT(onWatchFired(uint, QDBusMessage)));
    }

    void start(qint64 spanMs) override
    {
        stop();
        m_started = true;
        m_spanMs = qMax<qint64>(spanMs, 1);
        // Sent in this order and answered in it: the input watch is in place before the
        // idleness so far is read. Every answer comes from the event loop.
        addWatch(monitorCall(QStringLiteral("AddIdleWatch")) << quint64(m_spanMs), &m_idleWatch);
        watchInput();
    }

    void stop() override
    {
        ++m_generation;
        m_started = m_told = m_watchingInput = false;
        for (uint *watch : {&m_idleWatch, &m_inputWatch}) {
            if (*watch)
                removeWatch(*watch);
            *watch = 0;
        }
        m_unknownFired.clear();
    }

private slots:
    void onWatchFired(uint id, const QDBusMessage &message)
    {
        if (m_started && message.service() == m_owner)
            onFired(id);
    }

private:
    void onFired(uint id)
    {
        if (id == m_idleWatch) {
            tellIdle(m_spanMs);
        } else if (id == m_inputWatch) {
            m_inputWatch = 0;
            m_watchingInput = false;
            if (std::exchange(m_told, false))
                emit inUse();
        } else {
            // Before its number came back.
            m_unknownFired.insert(id);
        }
    }

    void removeWatch(uint id)
    {
        QDBusMessage remove = monitorCall(QStringLiteral("RemoveWatch")) << id;
        remove.setAutoStartService(false);
        m_bus.send(remove);
    }

    void addWatch(const QDBusMessage &add, uint *watch)
    {
        callLater(
            m_bus, add, this, [this, watch, generation = m_generation](const QDBusMessage &reply) {
                const uint id = reply.arguments().value(0).toUInt();
                if (generation != m_generation) {
                    if (id)
                        removeWatch(id);
                } else if (reply.type() != QDBusMessage::ReplyMessage || !id) {
                    stop();
                    emit failed(
                        tr("GNOME's idle monitor did not answer: %1").arg(reply.errorMessage()));
                } else {
                    *watch = id;
                    if (m_unknownFired.remove(id))
                        onFired(id);
                }
            });
    }

    // After something was told: input from now on says inUse(), and input since is found
    // by reading the idleness again.
    void watchInput()
    {
        m_watchingInput = true;
        addWatch(monitorCall(QStringLiteral("AddUserActiveWatch")), &m_inputWatch);
        callLater(m_bus, monitorCall(QStringLiteral("GetIdletime")), this,
                  [this, generation = m_generation](const QDBusMessage &reply) {
                      if (generation != m_generation || reply.type() != QDBusMessage::ReplyMessage)
                          return;
                      const qint64 idle = reply.arguments().value(0).toLongLong();
                      if (m_told) {
                          if (idle + IdleReportFromMs / 2 < m_toldMs) {
                              // Input before the watch was in place.
                              m_told = false;
                              emit inUse();
                          }
                      } else if (m_watchingInput && idle >= IdleReportFromMs) {
                          tellIdle(idle);
                      }
                  });
    }

    void tellIdle(qint64 ms)
    {
        m_told = true;
        m_toldMs = ms;
        if (!m_watchingInput)
            watchInput();
        emit idleFor(ms);
    }

    QDBusConnection m_bus;
    const QString m_owner;
    QDBusServiceWatcher m_gone;
    quint64 m_generation = 0;
    qint64 m_spanMs = 0;
    bool m_started = false;
    uint m_idleWatch = 0;
    uint m_inputWatch = 0;
    // The input watch is asked for or in place.
    bool m_watchingInput = false;
    // An idleFor() was said and no inUse() since; what it said.
    bool m_told = false;
    qint64 m_toldMs = 0;
    QSet<uint> m_unknownFired;
};

} // namespace

void findMutterIdle(QObject *context, std::function<void(const QString &)> found)
{
    // A session bus that does not answer was put aside at start (Platform::avoidSilentBuses):
    // joining this one fails or succeeds at once.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QTimer::singleShot(0, context, [found] { found(QString()); });
        return;
    }
    callLater(bus, monitorCall(QStringLiteral("GetIdletime")), context,
              [found](const QDBusMessage &reply) {
                  found(reply.type() == QDBusMessage::ReplyMessage ? reply.service() : QString());
              });
}

std::unique_ptr<IdleSource> makeMutterIdleSource(const QString &owner)
{
    return std::make_unique<MutterIdleSource>(owner);
}

#include "MutterIdle.moc"
