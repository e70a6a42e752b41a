#pragma once

// What the screen's actions share: the services they ask, the calls' bounds and answers, the
// X server's DPMS, and one request in progress.
#include "core/IdleSource.h"
#include "platform/linux/ScreenActions.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <functional>

struct xcb_connection_t;

namespace ScreenParts {

inline const QString Login1 = QStringLiteral("org.freedesktop.login1");
inline const QString Login1Session = QStringLiteral("org.freedesktop.login1.Session");
inline const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
inline const QString Mutter = QStringLiteral("org.gnome.Mutter.DisplayConfig");
inline const QString MutterPath = QStringLiteral("/org/gnome/Mutter/DisplayConfig");
inline const QString GlobalAccel = QStringLiteral("org.kde.kglobalaccel");
inline const QString PowerDevilShortcuts = QStringLiteral("/component/org_kde_powerdevil");
inline const QString TurnOffScreen = QStringLiteral("Turn Off Screen");

// The desktops' own lockers on the session bus, the desktop's own name before the common
// one (which a power manager may hold for inhibitions alone). Each has Lock() and
// GetActive(), and says ActiveChanged(b).
struct Locker
{
    const char *service;
    const char *path;
    bool lockTakesMessage; // Cinnamon's Lock(s) shows the text on its lock screen
};
inline constexpr Locker Lockers[] = {
    {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", false},
    {"org.cinnamon.ScreenSaver", "/org/cinnamon/ScreenSaver", true},
    {"org.mate.ScreenSaver", "/org/mate/ScreenSaver", false},
    {"org.xfce.ScreenSaver", "/org/xfce/ScreenSaver", false},
    // Plasma serves the same object at both paths; some lockers only the older one.
    {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", false},
    {"org.freedesktop.ScreenSaver", "/ScreenSaver", false},
};

QString lockerLabel(const Locker &locker);

// Indexes into Lockers of those whose names are on the bus.
QList<int> lockersAmong(const QStringList &names);

QVariant firstValue(const QDBusMessage &reply);

// What a call answered, for standard error.
QString answerText(const QDBusMessage &reply);

bool answered(const QDBusMessage &reply);

// A request that got no answer in time may still have been carried out: it is checked like
// one that was answered.
bool maybeDone(const QDBusMessage &reply);

QDBusMessage getProperty(const QString &service, const QString &path, const QString &interface,
                         const QString &name);

QDBusMessage listNames();

QDBusMessage sessionByPid();

QDBusMessage shortcutNames();

// Every call: answered from the event loop, at most `ms` later, and only while `context`
// lives. Services are never started for us: what does not run is not asked.
void callBounded(const QDBusConnection &bus, QDBusMessage message, int ms, QObject *context,
                 std::function<void(const QDBusMessage &)> then);

// Whether a PropertiesChanged says that `name` of `interface` is now `wanted`.
bool changedTo(const QDBusMessage &signal, const QString &interface, const QString &name,
               const QVariant &wanted);

xcb_connection_t *toolkitX11();

// Whether the X server can put the display into power saving. The X requests here go to the
// server that draws our windows, over the toolkit's own connection: should it stop
// answering, the toolkit's own painting waits on it just the same.
bool dpmsCapable(xcb_connection_t *x11, QString *why);

// What the X server does by itself when nobody uses the computer: its screen saver and, where
// it has DPMS, the display's power saving; and whether the display is on now.
struct XBlanking
{
    quint16 saverTimeout = 0;
    quint16 saverInterval = 0;
    quint8 preferBlanking = 0;
    quint8 allowExposures = 0;
    bool dpms = false; // the server has DPMS, and what follows was read
    bool dpmsEnabled = false;
    quint16 standby = 0;
    quint16 suspend = 0;
    quint16 off = 0;
    bool displayOn = true;
};

} // namespace ScreenParts

struct ScreenActions::KeptBlanking
{
    ScreenParts::XBlanking before;
    // Tells when somebody uses the computer again, which turns the display back on.
    std::unique_ptr<IdleSource> input;
};

// One request: its steps so far, and its answer, given once. Calls made for it are dropped
// when it has answered.
class ScreenActions::Run : public QObject
{
public:
    Run(ScreenActions *owner, PowerRequester::Done done)
        : QObject(owner), m_owner(owner), m_done(std::move(done))
    {
    }

    QStringList steps;
    // A request was carried to something that then did not confirm it.
    bool asked = false;

    bool finished() const { return m_finished; }

    void call(const QDBusConnection &bus, const QDBusMessage &message,
              std::function<void(const QDBusMessage &)> then)
    {
        ScreenParts::callBounded(bus, message, m_owner->m_boundMs, this,
                                 [this, then = std::move(then)](const QDBusMessage &reply) {
                                     if (!m_finished)
                                         then(reply);
                                 });
    }

    // After a request: reads now, and once more when the bound has passed unless something
    // has said it was done in between; says `what` it read last when it was not.
    void confirm(const QDBusConnection &bus, const QDBusMessage &read, const QString &what,
                 const QVariant &wanted, std::function<void()> next)
    {
        call(bus, read, [=, this](const QDBusMessage &first) {
            if (ScreenParts::firstValue(first) == wanted)
                return accept();
            QTimer::singleShot(m_owner->m_boundMs, this, [=, this] {
                if (m_finished)
                    return;
                call(bus, read, [=, this](const QDBusMessage &last) {
                    if (ScreenParts::firstValue(last) == wanted)
                        return accept();
                    steps << QStringLiteral("%1 after %2 ms: %3")
                                 .arg(what)
                                 .arg(m_owner->m_boundMs)
                                 .arg(ScreenParts::answerText(last));
                    next();
                });
            });
        });
    }

    void accept() { finish({true, QString(), Refusal::Other, QString()}); }
    void refuse(Refusal refusal) { finish({false, steps.join(QStringLiteral("; ")), refusal, {}}); }

private:
    void finish(const PowerResult &result)
    {
        if (m_finished)
            return;
        m_finished = true;
        m_owner->forget(this);
        deleteLater();
        m_done(result);
    }

    ScreenActions *const m_owner;
    const PowerRequester::Done m_done;
    bool m_finished = false;
};
