#include "schedule/PowerRequest.h"

PowerRequest powerRequestFor(PowerAction action, int check1Value)
{
    constexpr unsigned EwxLogoff = 0, EwxReboot = 2, EwxForce = 4, EwxPoweroff = 8;
    PowerRequest request;
    request.action = action;
    request.force = check1Value == 1;
    switch (action) {
    case PowerAction::LogOff:
        request.flags = EwxLogoff;
        break;
    case PowerAction::PowerOff:
        request.flags = EwxPoweroff;
        break;
    case PowerAction::Restart:
        request.flags = EwxReboot;
        break;
    }
    if (request.force)
        request.flags |= EwxForce;
    return request;
}

QString powerActionName(PowerAction action)
{
    switch (action) {
    case PowerAction::LogOff:
        return QStringLiteral("log off");
    case PowerAction::PowerOff:
        return QStringLiteral("power off");
    case PowerAction::Restart:
        return QStringLiteral("restart");
    }
    return QString();
}
