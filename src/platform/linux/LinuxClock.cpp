#include "core/Clock.h"
#include "core/Log.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>

#include <cerrno>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

qint64 ms(clockid_t id)
{
    timespec now{};
    clock_gettime(id, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// The C library takes the local time's rules from /etc/localtime (TZ unset), and Qt asks it
// again at every conversion: a new zone shows at once in the clock's face. What needs telling
// is whoever planned by the old face. The zone is usually a link that is replaced, not
// rewritten (timedatectl, the desktops' settings, ln -sf): the folder is watched for that,
// the file for rules rewritten in place or an update of the zone's data. The rules are
// compared, so that other files of /etc change nothing. ORVANTA_LOCALTIME names another file,
// for tests.
class ZoneWatch final : public QObject
{
    Q_OBJECT
public:
    ZoneWatch()
        : m_path(qEnvironmentVariable("ORVANTA_LOCALTIME", QStringLiteral("/etc/localtime"))),
          m_rules(rules())
    {
        const QString folder = QFileInfo(m_path).absolutePath();
        if (!m_watcher.addPath(folder))
            qCWarning(lcOrvanta).noquote()
                << QStringLiteral("A new time zone is noticed only at the next planned moment: %1 "
                                  "cannot be watched")
                       .arg(folder);
        m_watcher.addPath(m_path); // absent (UTC): the folder tells when it comes
        connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &ZoneWatch::onPathChanged);
        connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &ZoneWatch::onPathChanged);
    }

signals:
    void changed();

private:
    QByteArray rules() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void onPathChanged()
    {
        // The watch stays with the file it found: after a replacement, watch the new one.
        m_watcher.removePath(m_path);
        m_watcher.addPath(m_path);
        QByteArray rules = this->rules();
        if (rules == m_rules)
            return;
        m_rules = std::move(rules);
        emit changed();
    }

    const QString m_path;
    QFileSystemWatcher m_watcher;
    QByteArray m_rules;
};

// A timer on CLOCK_REALTIME at an absolute moment: the kernel lets it go off at that moment of
// the wall clock, at once after a resume that passed it, and (cancel-on-set) whenever the
// clock is set or the computer wakes, so that the owner looks again; nothing wakes us before.
// A new time zone makes it go off as well: its moment was planned by the old clock face.
class TimerFdWallAlarm final : public WallAlarm
{
public:
    TimerFdWallAlarm(int fd, const ZoneWatch &zone, std::function<void()> timeout)
        : m_fd(fd), m_notifier(fd, QSocketNotifier::Read), m_timeout(std::move(timeout))
    {
        m_notifier.setEnabled(false);
        QObject::connect(&m_notifier, &QSocketNotifier::activated, &m_notifier, [this] {
            quint64 expirations = 0;
            // ECANCELED: the clock was set. Either way the owner looks at the time again.
            if (read(m_fd, &expirations, sizeof expirations) < 0 && errno == EAGAIN)
                return;
            m_notifier.setEnabled(false);
            m_timeout();
        });
        QObject::connect(&zone, &ZoneWatch::changed, &m_notifier, [this] {
            if (!m_notifier.isEnabled())
                return;
            stop();
            m_timeout();
        });
    }
    ~TimerFdWallAlarm() override { close(m_fd); }

    void start(const QDateTime &at) override
    {
        // A moment already past (or the epoch itself) would disarm: the next millisecond.
        const qint64 when = std::max<qint64>(at.toMSecsSinceEpoch(), 1);
        itimerspec due{};
        due.it_value.tv_sec = time_t(when / 1000);
        due.it_value.tv_nsec = long(when % 1000) * 1000000;
        if (timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &due, nullptr) == 0)
            m_notifier.setEnabled(true);
        else
            QMetaObject::invokeMethod(&m_notifier, m_timeout, Qt::QueuedConnection);
    }
    void stop() override
    {
        const itimerspec off{};
        timerfd_settime(m_fd, 0, &off, nullptr);
        m_notifier.setEnabled(false);
    }

private:
    int m_fd;
    QSocketNotifier m_notifier;
    std::function<void()> m_timeout;
};

// Qt's monotonic clock is CLOCK_MONOTONIC, which stands still while the computer sleeps;
// CLOCK_BOOTTIME runs on: the difference is the sleep.
class LinuxClock final : public SystemClock
{
public:
    qint64 suspendedMs() const override { return asleep() - m_asleepAtStart; }

    std::unique_ptr<WallAlarm> makeWallAlarm(std::function<void()> timeout) const override
    {
        const int fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd < 0)
            return SystemClock::makeWallAlarm(std::move(timeout));
        // Made with the first alarm, on the thread of the alarms' event loop.
        if (!m_zone)
            m_zone = std::make_unique<ZoneWatch>();
        return std::make_unique<TimerFdWallAlarm>(fd, *m_zone, std::move(timeout));
    }

private:
    static qint64 asleep() { return ms(CLOCK_BOOTTIME) - ms(CLOCK_MONOTONIC); }

    const qint64 m_asleepAtStart = asleep();
    mutable std::unique_ptr<ZoneWatch> m_zone;
};

} // namespace

std::unique_ptr<Clock> Platform::makeClock()
{
    return std::make_unique<LinuxClock>();
}

#include "LinuxClock.moc"
