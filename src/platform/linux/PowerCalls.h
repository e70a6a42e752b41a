#pragma once

#include "core/Power.h"
#include "core/PowerChain.h"

#include <QSet>
#include <QString>
#include <QStringList>

// Which D-Bus calls stand for one power request on a Linux desktop: the session managers on
// the session bus, systemd-logind on the system bus.
namespace PowerCalls {

// The session managers' bus names, to follow which of them run.
QStringList sessionManagerServices();

// The calls for one request, in the order they are tried: the session managers among
// `running` (bus names on the session bus), in the order the desktop's name gives, then
// logind.
QList<PowerChain::Step> chainFor(const QString &xdgCurrentDesktop, const QSet<QString> &running,
                                 Action action, bool force);

// What an error that ends the chain means for the user. (No reply and a timeout are no
// refusal: the requester reports them as silence.)
Refusal refusalFor(const QString &errorName);

} // namespace PowerCalls
