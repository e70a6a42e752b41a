#pragma once

#include "core/Power.h"
#include "core/PowerChain.h"

#include <QSet>
#include <QString>
#include <QStringList>

// Which D-Bus calls stand for one power request on a Linux desktop: the session managers on
// the session bus, systemd-logind on the system bus.
namespace PowerCalls {

inline const QString BlockedByInhibitor =
    QStringLiteral("org.freedesktop.login1.BlockedByInhibitorLock");

// The session managers' bus names, to follow which of them run.
QStringList sessionManagerServices();

// The calls for one request, in the order they are tried: the session managers among
// `running` (bus names on the session bus), in the order the desktop's name gives, then
// logind. Sleep and hibernate go to logind alone; the screen's actions are not logind's.
QList<PowerChain::Step> chainFor(const QString &xdgCurrentDesktop, const QSet<QString> &running,
                                 Action action, bool force);

// logind's question whether the action may be done: "CanPowerOff", "CanSuspend", ...; empty
// for log off and the screen's actions.
QString canMethod(Action action);

// What logind's answer to canMethod(action) means for the user; `answer` is empty when logind
// did not answer (for log off: any word logind said to any question). `managerTakes`: a
// session manager takes the unforced request, and asks for a password itself if need be.
Capability capabilityFor(Action action, const QString &answer, bool managerTakes);

// One entry of logind's ListInhibitors.
struct Inhibitor
{
    QString what; // "shutdown:sleep"
    QString who;
    QString why;
    QString mode; // "block", "delay", ...
    quint32 pid = 0;
};

// The programs whose block inhibitor holds the action up, one a line:
// `Held by "Firefox" (PID 1234): Playing video`; empty when none does.
QString inhibitorHolders(const QList<Inhibitor> &inhibitors, Action action);

// What an error that ends the chain means for the user. (No reply and a timeout are no
// refusal: the requester reports them as silence.)
Refusal refusalFor(const QString &errorName);

} // namespace PowerCalls
