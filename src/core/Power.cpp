#include "core/Power.h"

#include <QCoreApplication>

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

QString refusalMessage(Action action, const PowerResult &result)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("Power", text); };
    QString what;
    switch (action) {
    case Action::LogOff:
        what = tr("The user was not logged off.");
        break;
    case Action::PowerOff:
        what = tr("The computer was not turned off.");
        break;
    case Action::Restart:
        what = tr("The computer was not restarted.");
        break;
    }
    QString why;
    switch (result.refusal) {
    case Refusal::AccessDenied:
        why = tr("The system did not allow it (access denied).");
        break;
    case Refusal::Inhibited:
        why = tr("Another program is blocking it.");
        break;
    case Refusal::AuthorizationRequired:
        why = tr("The system wants a password for it, and nobody could be asked.");
        break;
    case Refusal::NoService:
        why = tr("No service on this system could carry it out.");
        break;
    case Refusal::NoAnswer:
        why = tr("The system did not answer in time.");
        break;
    case Refusal::NotPossible:
        why = tr("The system says it cannot do that now.");
        break;
    case Refusal::NoSessionManager:
        why = tr("No session manager is running that could ask the other programs to save "
                 "their work. Tick Force to end the session anyway.");
        break;
    case Refusal::Other:
        why = tr("The system refused it.");
        break;
    }
    QString text = what + QStringLiteral("\r\n") + why;
    if (!result.detail.isEmpty())
        text += QStringLiteral("\r\n\r\n") + result.detail;
    return text;
}
