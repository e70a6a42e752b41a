#include "core/Power.h"

QString actionName(Action action)
{
    switch (action) {
    case Action::LogOff:
        return QStringLiteral("log off");
    case Action::PowerOff:
        return QStringLiteral("power off");
    case Action::Restart:
        return QStringLiteral("restart");
    }
    return QString();
}
