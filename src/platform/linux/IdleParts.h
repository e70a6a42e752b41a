#pragma once

#include <QDBusConnection>
#include <QString>

#include <functional>
#include <memory>

class IdleSource;
class QDBusMessage;
class QObject;

// The sources of idleness a Linux session may have, each in its own file. Each is found out
// asynchronously and bounded in time: `found` is called once, from the event loop, unless
// `context` goes first. IdleSources (LinuxIdleSource.cpp) picks the best that answers.

// Whatever is said before the idleness reaches this is not worth saying: the user is at the
// computer.
constexpr qint64 IdleReportFromMs = 1000;
constexpr int IdleCallMs = 2000;

// Calls asynchronously and never starts a service that is not running; `done` gets the
// reply or the error.
void callLater(const QDBusConnection &bus, const QDBusMessage &message, QObject *context,
               std::function<void(const QDBusMessage &)> done);

// GNOME's idle monitor: the unique name of its owner, or nothing when none answers.
void findMutterIdle(QObject *context, std::function<void(const QString &owner)> found);
std::unique_ptr<IdleSource> makeMutterIdleSource(const QString &owner);

// The X server's IDLETIME counter, asked of the toolkit's own X connection (a round trip to
// the X server, no bus); 0 when the toolkit speaks no X, or to XWayland, which only sees the
// input to X programs.
quint32 findXSyncIdleCounter();
std::unique_ptr<IdleSource> makeXSyncIdleSource(quint32 counter);

// The compositor's idle notifications (ext-idle-notify-v1), on a connection of our own.
class WaylandIdle;
void findWaylandIdle(QObject *context, std::function<void(std::shared_ptr<WaylandIdle>)> found);
std::unique_ptr<IdleSource> makeWaylandIdleSource(std::shared_ptr<WaylandIdle> connection);

// logind's idle hint on our session, only where the desktop keeps it.
struct LogindSession
{
    QString owner; // logind's unique name; empty when the hint is of no use
    QString path;
};
void findLogindIdle(QObject *context, std::function<void(const LogindSession &)> found);
std::unique_ptr<IdleSource> makeLogindIdleSource(const LogindSession &session);
