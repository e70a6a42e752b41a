#include "platform/linux/PowerCalls.h"

#include <QCoreApplication>

using PowerChain::Arg;
using PowerChain::SessionManager;
using PowerChain::Step;

namespace PowerCalls {

namespace {

const QString Logind = QStringLiteral("org.freedesktop.login1");
const QString LogindPath = QStringLiteral("/org/freedesktop/login1");
const QString LogindManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString KdeShutdown = QStringLiteral("org.kde.Shutdown");
const QString KsmServer = QStringLiteral("org.kde.ksmserver");
const QString Gnome = QStringLiteral("org.gnome.SessionManager");
const QString Mate = QStringLiteral("org.mate.SessionManager");
const QString Xfce = QStringLiteral("org.xfce.SessionManager");
const QString Lxqt = QStringLiteral("org.lxqt.session");

// SD_LOGIND_SKIP_INHIBITORS (systemd 257 and later).
constexpr qint64 SkipInhibitors = 0x10;

// ksmserver's logout(confirm, type, mode): no confirmation, try now.
constexpr qint64 KsmConfirmNo = 0, KsmTryNow = 1;
constexpr qint64 KsmLogout = 0, KsmReboot = 1, KsmHalt = 2;

// GNOME's and MATE's Logout(mode): 1 no confirmation, 2 force.
constexpr qint64 LogoutNoConfirmation = 1, LogoutForce = 2;

QString dbusError(const char *name)
{
    return QLatin1String("org.freedesktop.DBus.Error.") + QLatin1String(name);
}

// Where the service, object, interface or method does not exist, or the bus itself is
// gone, the next way is tried; every other answer is the desktop's or logind's word.
QStringList notAvailableErrors()
{
    return {dbusError("ServiceUnknown"),   dbusError("NameHasNoOwner"), dbusError("UnknownMethod"),
            dbusError("UnknownInterface"), dbusError("UnknownObject"),  dbusError("Disconnected")};
}

Arg u32(qint64 v)
{
    return {Arg::Type::UInt32, v};
}
Arg i32(qint64 v)
{
    return {Arg::Type::Int32, v};
}
Arg u64(qint64 v)
{
    return {Arg::Type::UInt64, v};
}
Arg boolean(bool v)
{
    return {Arg::Type::Bool, v ? 1 : 0};
}

Step sessionStep(const QString &service, const QString &path, const QString &interface,
                 const QString &method, QList<Arg> args = {})
{
    Step step;
    step.bus = PowerChain::Bus::Session;
    step.service = service;
    step.path = path;
    step.interface = interface;
    step.method = method;
    step.args = std::move(args);
    // Most session managers answer at once and end the session afterwards.
    step.answersAtSessionEnd = false;
    step.autoStart = false;
    step.moveOnErrors = notAvailableErrors();
    return step;
}

Step logindStep(const QString &method, QList<Arg> args = {})
{
    Step step;
    step.bus = PowerChain::Bus::System;
    step.service = Logind;
    step.path = LogindPath;
    step.interface = LogindManager;
    step.method = method;
    step.args = std::move(args);
    // logind answers at once; silence from it is not an acceptance, nor a refusal. It is
    // started on demand by the system like any system service.
    step.answersAtSessionEnd = false;
    step.autoStart = true;
    step.moveOnErrors = notAvailableErrors();
    return step;
}

// logind's method for the action without flags; empty where logind has none.
QString plainMethod(Action action)
{
    switch (action) {
    case Action::PowerOff:
        return QStringLiteral("PowerOff");
    case Action::Restart:
        return QStringLiteral("Reboot");
    // Plain suspend and hibernation: SleepOperation= in logind.conf steers only logind's
    // Sleep() (systemd 256 and later), not these.
    case Action::Sleep:
        return QStringLiteral("Suspend");
    case Action::Hibernate:
        return QStringLiteral("Hibernate");
    case Action::LogOff:
    case Action::Lock:
    case Action::DisplayOff:
    case Action::RunCommand:
        break;
    }
    return {};
}

QList<Step> logindChain(Action action, bool force)
{
    if (action == Action::LogOff) {
        // Ending the session through logind ends every program at once, unasked: only a
        // session manager can ask them to save first, so only a forced log off goes here.
        if (!force)
            return {};
        // The caller's own session; its owner may end it without being asked.
        Step terminate = logindStep(QStringLiteral("Terminate"));
        terminate.path = QStringLiteral("/org/freedesktop/login1/session/auto");
        terminate.interface = QStringLiteral("org.freedesktop.login1.Session");
        return {terminate};
    }
    const QString plain = plainMethod(action);
    if (plain.isEmpty())
        return {};
    const QString withFlags = plain + QStringLiteral("WithFlags");
    // PowerOff(false), Suspend(false), ...: false means "do not ask for interactive
    // authorization".
    const Step fallback = logindStep(plain, {boolean(false)});
    if (force) {
        // systemd before 257 refuses the skip-inhibitors flag with InvalidArgs; there the
        // plain call already ignores the caller's own inhibitors.
        Step skip = logindStep(withFlags, {u64(SkipInhibitors)});
        skip.moveOnErrors << dbusError("InvalidArgs");
        return {skip, fallback};
    }
    Step can = logindStep(canMethod(action));
    can.query = true;
    return {can, logindStep(withFlags, {u64(0)}), fallback};
}

QList<Step> managerSteps(SessionManager manager, Action action, bool force)
{
    const bool logOff = action == Action::LogOff;
    const bool off = action == Action::PowerOff;
    if (force) {
        // Only GNOME and MATE have a forced log off of their own; a forced power off or
        // restart goes to logind, which can skip the inhibitors.
        if (!logOff)
            return {};
        if (manager == SessionManager::Gnome)
            return {sessionStep(Gnome, QStringLiteral("/org/gnome/SessionManager"), Gnome,
                                QStringLiteral("Logout"), {u32(LogoutForce)})};
        if (manager == SessionManager::Mate)
            return {sessionStep(Mate, QStringLiteral("/org/mate/SessionManager"), Mate,
                                QStringLiteral("Logout"), {u32(LogoutForce)})};
        return {};
    }

    switch (manager) {
    case SessionManager::Kde: {
        const QString method = logOff ? QStringLiteral("logout")
                               : off  ? QStringLiteral("logoutAndShutdown")
                                      : QStringLiteral("logoutAndReboot");
        const qint64 type = logOff ? KsmLogout : off ? KsmHalt : KsmReboot;
        // Plasma before 5.25 has only ksmserver's interface.
        return {sessionStep(KdeShutdown, QStringLiteral("/Shutdown"), KdeShutdown, method),
                sessionStep(KsmServer, QStringLiteral("/KSMServer"),
                            QStringLiteral("org.kde.KSMServerInterface"), QStringLiteral("logout"),
                            {i32(KsmConfirmNo), i32(type), i32(KsmTryNow)})};
    }
    case SessionManager::Gnome: {
        // Logout() answers at once; Shutdown() and Reboot() show the shell's end-session
        // dialog, which counts down, and answer only when the session is ending. A user who
        // cancels the dialog gets no answer at all, or an error.
        const QString method = logOff ? QStringLiteral("Logout")
                               : off  ? QStringLiteral("Shutdown")
                                      : QStringLiteral("Reboot");
        Step step = sessionStep(Gnome, QStringLiteral("/org/gnome/SessionManager"), Gnome, method,
                                logOff ? QList<Arg>{u32(LogoutNoConfirmation)} : QList<Arg>{});
        step.answersAtSessionEnd = !logOff;
        return {step};
    }
    case SessionManager::Mate: {
        const QString method = logOff ? QStringLiteral("Logout")
                               : off  ? QStringLiteral("RequestShutdown")
                                      : QStringLiteral("RequestReboot");
        return {sessionStep(Mate, QStringLiteral("/org/mate/SessionManager"), Mate, method,
                            logOff ? QList<Arg>{u32(LogoutNoConfirmation)} : QList<Arg>{})};
    }
    case SessionManager::Xfce: {
        // Logout(show_dialog, allow_save), Shutdown(allow_save), Restart(allow_save).
        const QString method = logOff ? QStringLiteral("Logout")
                               : off  ? QStringLiteral("Shutdown")
                                      : QStringLiteral("Restart");
        QList<Arg> args{boolean(true)};
        if (logOff)
            args.prepend(boolean(false));
        return {sessionStep(Xfce, QStringLiteral("/org/xfce/SessionManager"),
                            QStringLiteral("org.xfce.Session.Manager"), method, args)};
    }
    case SessionManager::Lxqt: {
        // These never answer: the session ends, or it does not.
        const QString method = logOff ? QStringLiteral("logout")
                               : off  ? QStringLiteral("powerOff")
                                      : QStringLiteral("reboot");
        Step step = sessionStep(Lxqt, QStringLiteral("/LXQtSession"), Lxqt, method);
        step.answersAtSessionEnd = true;
        return {step};
    }
    }
    return {};
}

} // namespace

QStringList sessionManagerServices()
{
    return {KdeShutdown, KsmServer, Gnome, Mate, Xfce, Lxqt};
}

QList<Step> chainFor(const QString &xdgCurrentDesktop, const QSet<QString> &running, Action action,
                     bool force)
{
    QList<Step> steps;
    // The session managers end the session; sleeping is logind's alone.
    const auto managers = endsSession(action) ? PowerChain::sessionManagerOrder(xdgCurrentDesktop)
                                              : QList<SessionManager>();
    for (SessionManager manager : managers) {
        for (const Step &step : managerSteps(manager, action, force)) {
            if (running.contains(step.service))
                steps << step;
        }
    }
    // logind closes every chain: it is there on any systemd machine, whatever the desktop.
    return steps + logindChain(action, force);
}

Refusal refusalFor(const QString &errorName)
{
    if (errorName == dbusError("AccessDenied"))
        return Refusal::AccessDenied;
    if (errorName == BlockedByInhibitor)
        return Refusal::Inhibited;
    // The sleep state is not configured or not supported; a request is already on its way.
    if (errorName == QLatin1String("org.freedesktop.login1.SleepVerbNotSupported") ||
        errorName == QLatin1String("org.freedesktop.login1.OperationInProgress"))
        return Refusal::NotPossible;
    if (errorName == dbusError("InteractiveAuthorizationRequired"))
        return Refusal::AuthorizationRequired;
    if (notAvailableErrors().contains(errorName))
        return Refusal::NoService;
    return Refusal::Other;
}

QString canMethod(Action action)
{
    const QString plain = plainMethod(action);
    return plain.isEmpty() ? QString() : QStringLiteral("Can") + plain;
}

Capability capabilityFor(Action action, const QString &answer, bool managerTakes)
{
    const auto translated = [](const char *text) {
        return QCoreApplication::translate("PowerCalls", text);
    };
    if (action == Action::LogOff) {
        // A session manager ends the session unforced; logind ends it forced.
        if (managerTakes || !answer.isEmpty())
            return {};
        return {false, QCoreApplication::translate(
                           "PowerCalls", "No session manager or system service here can log off")};
    }
    // What is left: power off, restart, sleep, hibernate. Without logind a session manager
    // may still have a way of its own.
    if (answer.isEmpty() && managerTakes)
        return {};
    struct Texts
    {
        const char *none, *password, *no, *na;
    };
    static constexpr Texts powerOff{
        QT_TRANSLATE_NOOP("PowerCalls", "No system service here can turn off the computer"),
        QT_TRANSLATE_NOOP("PowerCalls", "Turning off the computer needs a password here"),
        QT_TRANSLATE_NOOP("PowerCalls", "This user may not turn off the computer"),
        QT_TRANSLATE_NOOP("PowerCalls", "This computer cannot be turned off from here")};
    static constexpr Texts restart{
        QT_TRANSLATE_NOOP("PowerCalls", "No system service here can restart the computer"),
        QT_TRANSLATE_NOOP("PowerCalls", "Restarting needs a password here"),
        QT_TRANSLATE_NOOP("PowerCalls", "This user may not restart the computer"),
        QT_TRANSLATE_NOOP("PowerCalls", "This computer cannot be restarted from here")};
    static constexpr Texts sleeping{
        QT_TRANSLATE_NOOP("PowerCalls", "No system service here can put the computer to sleep"),
        QT_TRANSLATE_NOOP("PowerCalls", "Sleep needs a password here"),
        QT_TRANSLATE_NOOP("PowerCalls", "This user may not put the computer to sleep"),
        QT_TRANSLATE_NOOP("PowerCalls", "This computer cannot sleep")};
    static constexpr Texts hibernating{
        QT_TRANSLATE_NOOP("PowerCalls", "No system service here can hibernate the computer"),
        QT_TRANSLATE_NOOP("PowerCalls", "Hibernation needs a password here"),
        QT_TRANSLATE_NOOP("PowerCalls", "This user may not hibernate the computer"),
        QT_TRANSLATE_NOOP("PowerCalls", "Hibernation is turned off on this computer")};
    const Texts &texts = action == Action::PowerOff  ? powerOff
                         : action == Action::Restart ? restart
                         : action == Action::Sleep   ? sleeping
                                                     : hibernating;
    if (answer.isEmpty())
        return {false, translated(texts.none)};
    // "no" and "na" end every way: a session manager asks logind in the end. A password
    // ("challenge", "challenge-inhibitor-blocked") can be asked for by a session manager
    // only; we ask for none. "yes", "inhibited", "inhibitor-blocked": possible, as an
    // inhibitor may be gone when the time comes.
    if (answer == QLatin1String("no"))
        return {false, translated(texts.no)};
    if (answer == QLatin1String("na"))
        return {false, translated(texts.na)};
    if (answer.startsWith(QLatin1String("challenge")) && !managerTakes)
        return {false, translated(texts.password)};
    return {};
}

QString inhibitorHolders(const QList<Inhibitor> &inhibitors, Action action)
{
    // Enough lines for a message box.
    constexpr qsizetype MaxHolders = 5;
    const QString what = endsSession(action) ? QStringLiteral("shutdown") : QStringLiteral("sleep");
    QStringList lines;
    qsizetype more = 0;
    for (const Inhibitor &inhibitor : inhibitors) {
        // Only a block inhibitor refuses; a delay one only holds the action up a few seconds.
        if (inhibitor.mode != QLatin1String("block") ||
            !inhibitor.what.split(QLatin1Char(':')).contains(what))
            continue;
        if (lines.size() == MaxHolders) {
            ++more;
            continue;
        }
        lines << (inhibitor.why.isEmpty()
                      ? QCoreApplication::translate("PowerCalls", "Held by \"%1\" (PID %2)")
                            .arg(inhibitor.who)
                            .arg(inhibitor.pid)
                      : QCoreApplication::translate("PowerCalls", "Held by \"%1\" (PID %2): %3")
                            .arg(inhibitor.who)
                            .arg(inhibitor.pid)
                            .arg(inhibitor.why));
    }
    if (more > 0)
        lines << QCoreApplication::translate("PowerCalls", "and %n more", nullptr, int(more));
    return lines.join(QLatin1Char('\n'));
}

} // namespace PowerCalls
