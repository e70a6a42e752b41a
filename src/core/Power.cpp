#include "core/Power.h"

#include <QCoreApplication>

#include <climits>

namespace PowerTexts {

namespace {

// A class, not a lambda, so that lupdate files the texts under their context.
struct Power
{
    Q_DECLARE_TR_FUNCTIONS(Power)
};

} // namespace

QString actionName(Action action)
{
    switch (action) {
    case Action::LogOff:
        return QStringLiteral("log off");
    case Action::PowerOff:
        return QStringLiteral("power off");
    case Action::Restart:
        return QStringLiteral("restart");
    case Action::Sleep:
        return QStringLiteral("sleep");
    case Action::Hibernate:
        return QStringLiteral("hibernate");
    case Action::Lock:
        return QStringLiteral("lock");
    case Action::DisplayOff:
        return QStringLiteral("display off");
    case Action::RunCommand:
        return QStringLiteral("run a command");
    }
    return QString();
}

QString actionOption(Action action)
{
    switch (action) {
    case Action::LogOff:
        return QStringLiteral("--logoff");
    case Action::PowerOff:
        return QStringLiteral("--poweroff");
    case Action::Restart:
        return QStringLiteral("--reboot");
    case Action::Sleep:
        return QStringLiteral("--sleep");
    case Action::Hibernate:
        return QStringLiteral("--hibernate");
    case Action::Lock:
        return QStringLiteral("--lock");
    case Action::DisplayOff:
        return QStringLiteral("--display-off");
    case Action::RunCommand:
        return QStringLiteral("--run");
    }
    return QString();
}

QString actionCaption(Action action)
{
    switch (action) {
    case Action::LogOff:
        return Power::tr("Log off user");
    case Action::PowerOff:
        return Power::tr("Turn off computer");
    case Action::Restart:
        return Power::tr("Restart computer");
    case Action::Sleep:
        return Power::tr("Sleep");
    case Action::Hibernate:
        return Power::tr("Hibernate");
    case Action::Lock:
        return Power::tr("Lock screen");
    case Action::DisplayOff:
        return Power::tr("Turn off display");
    case Action::RunCommand:
        return Power::tr("Run a command");
    }
    return QString();
}

QString refusalMessage(Action action, const PowerResult &result)
{
    QString what;
    switch (action) {
    case Action::LogOff:
        what = Power::tr("The user was not logged off.");
        break;
    case Action::PowerOff:
        what = Power::tr("The computer was not turned off.");
        break;
    case Action::Restart:
        what = Power::tr("The computer was not restarted.");
        break;
    case Action::Sleep:
        what = Power::tr("The computer did not go to sleep.");
        break;
    case Action::Hibernate:
        what = Power::tr("The computer did not hibernate.");
        break;
    case Action::Lock:
        what = Power::tr("The screen was not locked.");
        break;
    case Action::DisplayOff:
        what = Power::tr("The display was not turned off.");
        break;
    case Action::RunCommand:
        what = Power::tr("The command was not run.");
        break;
    }
    QString why;
    switch (result.refusal) {
    case Refusal::AccessDenied:
        why = Power::tr("The system did not allow it (access denied).");
        break;
    case Refusal::Inhibited:
        why = Power::tr("Another program is blocking it.");
        break;
    case Refusal::AuthorizationRequired:
        why = Power::tr("The system wants a password for it, and nobody could be asked.");
        break;
    case Refusal::NoService:
        why = Power::tr("No service on this system could carry it out.");
        break;
    case Refusal::NoAnswer:
        // Only where nothing was sent that could act: an unanswered request is no refusal.
        why = Power::tr("The system did not answer in time, so the request itself was not sent.");
        break;
    case Refusal::NotPossible:
        why = Power::tr("The system says it cannot do that now.");
        break;
    case Refusal::NoSessionManager:
        why = Power::tr("No session manager is running that could ask the other programs to save "
                        "their work. Tick Force to end the session anyway.");
        break;
    case Refusal::NotConfirmed:
        why = Power::tr("It was asked for, but nothing on this system said that it was done.");
        break;
    case Refusal::LeftOut:
        why = Power::tr("Another action was due at the same moment and went out instead.");
        break;
    case Refusal::Other:
        why = Power::tr("The system refused it.");
        break;
    }
    QString text = what + QStringLiteral("\r\n") + why;
    if (!result.detail.isEmpty())
        text += QStringLiteral("\r\n\r\n") + result.detail;
    return text;
}

QString warningText(Action action, qint64 secondsLeft)
{
    // "4 minutes 12 seconds", "4 minutes", "60 seconds": the real time left, as it runs down;
    // the last minute in seconds.
    const auto inSeconds = [](qint64 n) {
        //: What follows "in" in "The computer will be turned off in %1"
        return Power::tr("%n second(s)", nullptr, int(qBound(qint64(0), n, qint64(INT_MAX))));
    };
    const qint64 minutes = secondsLeft / 60, rest = secondsLeft % 60;
    QString seconds = inSeconds(secondsLeft);
    if (secondsLeft > 60) {
        seconds = Power::tr("%n minute(s)", nullptr, int(qMin(minutes, qint64(INT_MAX))));
        if (rest > 0)
            seconds = Power::tr("%1 %2", "minutes and seconds left").arg(seconds, inSeconds(rest));
    }
    switch (action) {
    case Action::LogOff:
        return Power::tr("The user will be logged off in %1").arg(seconds);
    case Action::PowerOff:
        return Power::tr("The computer will be turned off in %1").arg(seconds);
    case Action::Restart:
        return Power::tr("The computer will be restarted in %1").arg(seconds);
    case Action::Sleep:
        return Power::tr("The computer will go to sleep in %1").arg(seconds);
    case Action::Hibernate:
        return Power::tr("The computer will hibernate in %1").arg(seconds);
    case Action::Lock:
        return Power::tr("The screen will be locked in %1").arg(seconds);
    case Action::DisplayOff:
        return Power::tr("The display will be turned off in %1").arg(seconds);
    case Action::RunCommand:
        return Power::tr("The command will be run in %1").arg(seconds);
    }
    return QString();
}

QString armedStatus(Action action, bool countdown, qint64 secondsLeft, int targetTime)
{
    QString doing;
    switch (action) {
    case Action::LogOff:
        doing = Power::tr("logging off");
        break;
    case Action::PowerOff:
        doing = Power::tr("turning off");
        break;
    case Action::Restart:
        doing = Power::tr("restarting");
        break;
    case Action::Sleep:
        doing = Power::tr("going to sleep");
        break;
    case Action::Hibernate:
        doing = Power::tr("hibernating");
        break;
    case Action::Lock:
        doing = Power::tr("locking the screen");
        break;
    case Action::DisplayOff:
        doing = Power::tr("turning off the display");
        break;
    case Action::RunCommand:
        doing = Power::tr("running the command");
        break;
    }
    const auto clock = [](qint64 h, qint64 m, qint64 s, int hourDigits) {
        return QStringLiteral("%1:%2:%3")
            .arg(h, hourDigits, 10, QLatin1Char('0'))
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg(s, 2, 10, QLatin1Char('0'));
    };
    const QString when =
        countdown ? Power::tr("in %1").arg(
                        clock(secondsLeft / 3600, secondsLeft / 60 % 60, secondsLeft % 60, 1))
                  : Power::tr("at %1").arg(
                        clock(targetTime / 10000, targetTime / 100 % 100, targetTime % 100, 2));
    return Power::tr("%1 %2", "what is done, and when: \"turning off\", \"in 0:05:00\"")
        .arg(doing, when);
}

} // namespace PowerTexts
