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

QString warningText(Action action, qint64 secondsLeft)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("Power", text); };
    const QString seconds = secondsLeft == 1 ? tr("1 second") : tr("%1 seconds").arg(secondsLeft);
    switch (action) {
    case Action::LogOff:
        return tr("The user will be logged off in %1").arg(seconds);
    case Action::PowerOff:
        return tr("The computer will be turned off in %1").arg(seconds);
    case Action::Restart:
        return tr("The computer will be restarted in %1").arg(seconds);
    }
    return QString();
}

QString armedToolTip(Action action, bool countdown, qint64 secondsLeft, int targetTime)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("Power", text); };
    const QString doing = action == Action::LogOff     ? tr("logging off")
                          : action == Action::PowerOff ? tr("turning off")
                                                       : tr("restarting");
    const auto clock = [](qint64 h, qint64 m, qint64 s, int hourDigits) {
        return QStringLiteral("%1:%2:%3")
            .arg(h, hourDigits, 10, QLatin1Char('0'))
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg(s, 2, 10, QLatin1Char('0'));
    };
    const QString when =
        countdown
            ? tr("in %1").arg(clock(secondsLeft / 3600, secondsLeft / 60 % 60, secondsLeft % 60, 1))
            : tr("at %1").arg(
                  clock(targetTime / 10000, targetTime / 100 % 100, targetTime % 100, 2));
    return QStringLiteral("Orvanta \u2014 %1 %2").arg(doing, when);
}
