#include "core/Log.h"
#include "core/WakeAlarm.h"
#include "platform/Platform.h"
#include "platform/linux/SystemdUnits.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFile>
#include <QRegularExpression>

#include <unistd.h>

namespace {

const QString Systemd = QStringLiteral("org.freedesktop.systemd1");
const QString SystemdPath = QStringLiteral("/org/freedesktop/systemd1");
const QString SystemdManager = QStringLiteral("org.freedesktop.systemd1.Manager");
const QString Plasma = QStringLiteral("org.kde.Solid.PowerManagement");
const QString PlasmaPath = QStringLiteral("/org/kde/Solid/PowerManagement");
// The units this program makes: found by this prefix after a crash.
const QString UnitPrefix = QStringLiteral("orvanta-wake-");
// The user's manager may wake the computer from this version on (it is given CAP_WAKE_ALARM).
constexpr int WakingSystemd = 254;
// Bit of CAP_WAKE_ALARM in a capability set.
constexpr int CapWakeAlarm = 35;
constexpr int CallTimeoutMs = 5000;

struct WakeTexts
{
    Q_DECLARE_TR_FUNCTIONS(WakeAlarm)
};

UnitProperty unitProperty(const char *name, const QVariant &value)
{
    return {QLatin1String(name), QDBusVariant(value)};
}

// Whether process `pid` holds CAP_WAKE_ALARM in its effective set.
bool holdsWakeAlarm(uint pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    static const QRegularExpression effective(QStringLiteral("^CapEff:\\s*([0-9a-f]+)$"),
                                              QRegularExpression::MultilineOption);
    const auto match = effective.match(QString::fromLatin1(status.read(16384)));
    bool ok = false;
    const qulonglong set = match.hasMatch() ? match.captured(1).toULongLong(&ok, 16) : 0;
    return ok && (set >> CapWakeAlarm & 1) != 0;
}

// Wakes through a transient timer with WakeSystem=yes in the user's own systemd manager, or
// else through KDE Plasma's power management where it can really wake: its scheduleWakeup()
// falls back to a clock that does not wake when it lacks CAP_WAKE_ALARM, and answers the same
// either way, so its process's capabilities are read instead. Never rtcwake, the sysfs wake
// alarm or a privileged helper.
class LinuxWakeAlarm final : public WakeAlarm
{
public:
    LinuxWakeAlarm() : m_bus(QDBusConnection::sessionBus())
    {
        qDBusRegisterMetaType<UnitProperty>();
        qDBusRegisterMetaType<QList<UnitProperty>>();
        qDBusRegisterMetaType<CalendarTimer>();
        qDBusRegisterMetaType<QList<CalendarTimer>>();
        qDBusRegisterMetaType<ExecCommand>();
        qDBusRegisterMetaType<QList<ExecCommand>>();
        qDBusRegisterMetaType<AuxiliaryUnit>();
        qDBusRegisterMetaType<QList<AuxiliaryUnit>>();
    }
    ~LinuxWakeAlarm() override
    {
        // Sent without waiting for the answer; a crash leaves it to clearLeftovers().
        if (!m_unit.isEmpty())
            m_bus.send(stopUnit(m_unit));
        if (m_cookie)
            m_bus.send(clearWakeup(*m_cookie));
    }

    void probe(std::function<void(const QString &)> done) override
    {
        if (!m_bus.isConnected()) {
            QMetaObject::invokeMethod(
                this, [done] { done(cannot(WakeTexts::tr("there is no session bus"))); },
                Qt::QueuedConnection);
            return;
        }
        QDBusMessage get = QDBusMessage::createMethodCall(
            Systemd, SystemdPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << SystemdManager << QStringLiteral("Version");
        get.setAutoStartService(false);
        whenAnswered(get, [this, done](const QDBusMessage &reply) {
            QString why;
            if (reply.type() == QDBusMessage::ErrorMessage) {
                why = WakeTexts::tr("no systemd user manager answers");
            } else {
                // "252.19-1~deb12u1", "256.5-1", "v257": the major version.
                const QString version =
                    reply.arguments().value(0).value<QDBusVariant>().variant().toString();
                static const QRegularExpression major(QStringLiteral("^v?(\\d+)"));
                const auto match = major.match(version);
                const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
                if (number >= WakingSystemd) {
                    m_way = Way::Systemd;
                    done(QString());
                    return;
                }
                why = WakeTexts::tr("systemd %1 does not let a user's timer wake it")
                          .arg(number > 0 ? QString::number(number) : version.left(20));
            }
            probePlasma(why, done);
        });
    }

    void set(const QDateTime &at) override
    {
        clear();
        if (m_way == Way::Systemd)
            startTimer(at.toUTC());
        else if (m_way == Way::Plasma)
            scheduleWakeup(at);
        else
            emit failed(cannot(WakeTexts::tr("the system was not asked yet")));
    }

    void clear() override
    {
        ++m_serial; // an answer still on its way belongs to nothing now
        if (!m_unit.isEmpty())
            sendIgnoringAnswer(stopUnit(std::exchange(m_unit, QString())));
        if (m_cookie)
            sendIgnoringAnswer(clearWakeup(*std::exchange(m_cookie, std::nullopt)));
    }

    void clearLeftovers() override
    {
        if (!m_bus.isConnected())
            return;
        QDBusMessage list = QDBusMessage::createMethodCall(Systemd, SystemdPath, SystemdManager,
                                                           QStringLiteral("ListUnitsByPatterns"));
        list << QStringList() << QStringList{UnitPrefix + u'*'};
        list.setAutoStartService(false);
        whenAnswered(list, [this](const QDBusMessage &reply) {
            if (reply.type() == QDBusMessage::ErrorMessage || reply.arguments().isEmpty())
                return;
            // a(ssssssouso): the name comes first in each unit's structure.
            const QDBusArgument units = reply.arguments().constFirst().value<QDBusArgument>();
            if (units.currentSignature() != QLatin1String("a(ssssssouso)"))
                return;
            units.beginArray();
            while (!units.atEnd()) {
                QString name, skip;
                QDBusObjectPath path;
                uint job = 0;
                units.beginStructure();
                units >> name >> skip >> skip >> skip >> skip >> skip >> path >> job >> skip >>
                    path;
                units.endStructure();
                // Ours of this run stay: they may be set already.
                if (name.startsWith(UnitPrefix) && !name.startsWith(ownPrefix())) {
                    qCInfo(lcOrvanta, "removing the wake %s left by an earlier run",
                           qUtf8Printable(name));
                    sendIgnoringAnswer(stopUnit(name));
                }
            }
            units.endArray();
        });
    }

private:
    enum class Way
    {
        None,
        Systemd,
        Plasma
    };

    static QString cannot(const QString &detail)
    {
        return WakeTexts::tr("This system cannot wake the computer at a time: %1").arg(detail);
    }

    static QString ownPrefix() { return UnitPrefix + QString::number(getpid()) + u'-'; }

    void whenAnswered(const QDBusMessage &message, std::function<void(const QDBusMessage &)> then)
    {
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, CallTimeoutMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [watcher, then = std::move(then)] {
                    watcher->deleteLater();
                    then(watcher->reply());
                });
    }

    void sendIgnoringAnswer(const QDBusMessage &message)
    {
        whenAnswered(message, [](const QDBusMessage &) {});
    }

    void probePlasma(const QString &systemdWhy, std::function<void(const QString &)> done)
    {
        QDBusMessage pid = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"));
        pid << Plasma;
        whenAnswered(pid, [this, systemdWhy, done](const QDBusMessage &reply) {
            if (reply.type() == QDBusMessage::ErrorMessage) {
                m_way = Way::None;
                done(cannot(systemdWhy));
                return;
            }
            if (holdsWakeAlarm(reply.arguments().value(0).toUInt())) {
                m_way = Way::Plasma;
                done(QString());
                return;
            }
            m_way = Way::None;
            done(cannot(WakeTexts::tr("%1, and KDE's power management may not wake it "
                                      "(it lacks CAP_WAKE_ALARM)")
                            .arg(systemdWhy)));
        });
    }

    static QDBusMessage stopUnit(const QString &unit)
    {
        QDBusMessage stop = QDBusMessage::createMethodCall(Systemd, SystemdPath, SystemdManager,
                                                           QStringLiteral("StopUnit"));
        stop << (unit.endsWith(QLatin1String(".timer")) ? unit : unit + QStringLiteral(".timer"))
             << QStringLiteral("replace");
        stop.setAutoStartService(false);
        return stop;
    }

    static QDBusMessage clearWakeup(uint cookie)
    {
        QDBusMessage clear = QDBusMessage::createMethodCall(Plasma, PlasmaPath, Plasma,
                                                            QStringLiteral("clearWakeup"));
        clear << int(cookie);
        clear.setAutoStartService(false);
        return clear;
    }

    // As systemd-run --on-calendar makes it: the timer, and the service it starts as an
    // auxiliary unit of the same name (it runs nothing of consequence: the wake is the point).
    void startTimer(const QDateTime &utc)
    {
        const quint64 serial = m_serial;
        const QString unit = ownPrefix() + QString::number(serial);
        m_unit = unit;
        const QString calendar =
            utc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" UTC");
        const QString description =
            QStringLiteral("Orvanta: wake the computer for %1").arg(utc.toString(Qt::ISODate));
        QList<UnitProperty> timer = {
            unitProperty("Description", description),
            unitProperty("TimersCalendar", QVariant::fromValue(QList<CalendarTimer>{
                                               {QStringLiteral("OnCalendar"), calendar}})),
            unitProperty("WakeSystem", true),
            // The default of a minute would let the wake come late.
            unitProperty("AccuracyUSec", QVariant::fromValue(qulonglong(1000000))),
            unitProperty("RemainAfterElapse", false),
        };
        const QString true_ = QStringLiteral("/bin/true");
        QList<AuxiliaryUnit> auxiliary = {
            {unit + QStringLiteral(".service"),
             {unitProperty("Description", description),
              unitProperty("ExecStart", QVariant::fromValue(QList<ExecCommand>{
                                            {true_, QStringList{true_}, false}}))}}};
        QDBusMessage start = QDBusMessage::createMethodCall(Systemd, SystemdPath, SystemdManager,
                                                            QStringLiteral("StartTransientUnit"));
        start << unit + QStringLiteral(".timer") << QStringLiteral("fail")
              << QVariant::fromValue(timer) << QVariant::fromValue(auxiliary);
        start.setAutoStartService(false);
        whenAnswered(start, [this, serial, unit](const QDBusMessage &reply) {
            const bool current = serial == m_serial;
            if (reply.type() == QDBusMessage::ErrorMessage) {
                if (current) {
                    m_unit.clear();
                    emit failed(reply.errorMessage());
                }
                return;
            }
            // Cleared or replaced while on its way: it must not stay behind.
            if (!current)
                sendIgnoringAnswer(stopUnit(unit));
        });
    }

    void scheduleWakeup(const QDateTime &at)
    {
        const quint64 serial = m_serial;
        QDBusMessage schedule = QDBusMessage::createMethodCall(Plasma, PlasmaPath, Plasma,
                                                               QStringLiteral("scheduleWakeup"));
        schedule << m_bus.baseService() << QDBusObjectPath(QStringLiteral("/org/orvanta/Wake"))
                 << qulonglong(std::max<qint64>(0, at.toSecsSinceEpoch()));
        schedule.setAutoStartService(false);
        whenAnswered(schedule, [this, serial](const QDBusMessage &reply) {
            if (reply.type() == QDBusMessage::ErrorMessage) {
                if (serial == m_serial)
                    emit failed(reply.errorMessage());
                return;
            }
            const uint cookie = reply.arguments().value(0).toUInt();
            if (serial == m_serial)
                m_cookie = cookie;
            else
                sendIgnoringAnswer(clearWakeup(cookie));
        });
    }

    QDBusConnection m_bus;
    Way m_way = Way::None;
    quint64 m_serial = 0;
    // The timer unit set now (without ".timer"), or the cookie of Plasma's wakeup.
    QString m_unit;
    std::optional<uint> m_cookie;
};

} // namespace

std::unique_ptr<WakeAlarm> Platform::makeWakeAlarm()
{
    return std::make_unique<LinuxWakeAlarm>();
}
