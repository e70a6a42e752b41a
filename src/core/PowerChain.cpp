#include "core/PowerChain.h"

namespace {

const QString Logind = QStringLiteral("org.freedesktop.login1");
const QString LogindPath = QStringLiteral("/org/freedesktop/login1");
const QString LogindManager = QStringLiteral("org.freedesktop.login1.Manager");

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

PowerArg u32(qint64 v)
{
    return {PowerArg::Type::UInt32, v};
}
PowerArg i32(qint64 v)
{
    return {PowerArg::Type::Int32, v};
}
PowerArg u64(qint64 v)
{
    return {PowerArg::Type::UInt64, v};
}
PowerArg boolean(bool v)
{
    return {PowerArg::Type::Bool, v ? 1 : 0};
}

PowerStep sessionStep(const QString &service, const QString &path, const QString &interface,
                      const QString &method, QList<PowerArg> args = {})
{
    PowerStep step;
    step.bus = PowerBus::Session;
    step.service = service;
    step.path = path;
    step.interface = interface;
    step.method = method;
    step.args = std::move(args);
    step.silenceAccepted = true;
    step.autoStart = false;
    step.moveOnErrors = notAvailableErrors();
    return step;
}

PowerStep logindStep(const QString &method, QList<PowerArg> args = {})
{
    PowerStep step;
    step.bus = PowerBus::System;
    step.service = Logind;
    step.path = LogindPath;
    step.interface = LogindManager;
    step.method = method;
    step.args = std::move(args);
    // logind answers at once; silence from it is not an acceptance. It is started on
    // demand by the system like any system service.
    step.silenceAccepted = false;
    step.autoStart = true;
    step.moveOnErrors = notAvailableErrors();
    return step;
}

QList<PowerStep> logindChain(Action action, bool force)
{
    if (action == Action::LogOff) {
        // Ending the session through logind ends every program at once, unasked: only a
        // session manager can ask them to save first, so only a forced log off goes here.
        if (!force)
            return {};
        // The caller's own session; its owner may end it without being asked.
        PowerStep terminate = logindStep(QStringLiteral("Terminate"));
        terminate.path = QStringLiteral("/org/freedesktop/login1/session/auto");
        terminate.interface = QStringLiteral("org.freedesktop.login1.Session");
        return {terminate};
    }
    const bool off = action == Action::PowerOff;
    const QString withFlags =
        off ? QStringLiteral("PowerOffWithFlags") : QStringLiteral("RebootWithFlags");
    const QString plain = off ? QStringLiteral("PowerOff") : QStringLiteral("Reboot");
    // PowerOff(false)/Reboot(false): false means "do not ask for interactive authorization".
    const PowerStep fallback = logindStep(plain, {boolean(false)});
    if (force) {
        // systemd before 257 refuses the skip-inhibitors flag with InvalidArgs; there the
        // plain call already ignores the caller's own inhibitors.
        PowerStep skip = logindStep(withFlags, {u64(SkipInhibitors)});
        skip.moveOnErrors << dbusError("InvalidArgs");
        return {skip, fallback};
    }
    PowerStep can = logindStep(off ? QStringLiteral("CanPowerOff") : QStringLiteral("CanReboot"));
    can.query = true;
    return {can, logindStep(withFlags, {u64(0)}), fallback};
}

QList<PowerStep> desktopSteps(PowerDesktop desktop, Action action, bool force)
{
    const bool logOff = action == Action::LogOff;
    const bool off = action == Action::PowerOff;
    if (force) {
        // Only GNOME and MATE have a forced log off of their own; a forced power off or
        // restart goes to logind, which can skip the inhibitors.
        if (!logOff)
            return {};
        if (desktop == PowerDesktop::Gnome)
            return {sessionStep(QStringLiteral("org.gnome.SessionManager"),
                                QStringLiteral("/org/gnome/SessionManager"),
                                QStringLiteral("org.gnome.SessionManager"),
                                QStringLiteral("Logout"), {u32(LogoutForce)})};
        if (desktop == PowerDesktop::Mate)
            return {sessionStep(QStringLiteral("org.mate.SessionManager"),
                                QStringLiteral("/org/mate/SessionManager"),
                                QStringLiteral("org.mate.SessionManager"), QStringLiteral("Logout"),
                                {u32(LogoutForce)})};
        return {};
    }

    switch (desktop) {
    case PowerDesktop::Kde: {
        const QString method = logOff ? QStringLiteral("logout")
                               : off  ? QStringLiteral("logoutAndShutdown")
                                      : QStringLiteral("logoutAndReboot");
        const qint64 type = logOff ? KsmLogout : off ? KsmHalt : KsmReboot;
        // Plasma before 5.25 has only ksmserver's interface.
        return {sessionStep(QStringLiteral("org.kde.Shutdown"), QStringLiteral("/Shutdown"),
                            QStringLiteral("org.kde.Shutdown"), method),
                sessionStep(QStringLiteral("org.kde.ksmserver"), QStringLiteral("/KSMServer"),
                            QStringLiteral("org.kde.KSMServerInterface"), QStringLiteral("logout"),
                            {i32(KsmConfirmNo), i32(type), i32(KsmTryNow)})};
    }
    case PowerDesktop::Gnome: {
        // Shutdown() and Reboot() show the shell's end-session dialog and answer only
        // when the session has ended.
        const QString method = logOff ? QStringLiteral("Logout")
                               : off  ? QStringLiteral("Shutdown")
                                      : QStringLiteral("Reboot");
        return {sessionStep(
            QStringLiteral("org.gnome.SessionManager"), QStringLiteral("/org/gnome/SessionManager"),
            QStringLiteral("org.gnome.SessionManager"), method,
            logOff ? QList<PowerArg>{u32(LogoutNoConfirmation)} : QList<PowerArg>{})};
    }
    case PowerDesktop::Mate: {
        const QString method = logOff ? QStringLiteral("Logout")
                               : off  ? QStringLiteral("RequestShutdown")
                                      : QStringLiteral("RequestReboot");
        return {sessionStep(
            QStringLiteral("org.mate.SessionManager"), QStringLiteral("/org/mate/SessionManager"),
            QStringLiteral("org.mate.SessionManager"), method,
            logOff ? QList<PowerArg>{u32(LogoutNoConfirmation)} : QList<PowerArg>{})};
    }
    case PowerDesktop::Xfce: {
        // Logout(show_dialog, allow_save), Shutdown(allow_save), Restart(allow_save).
        const QString method = logOff ? QStringLiteral("Logout")
                               : off  ? QStringLiteral("Shutdown")
                                      : QStringLiteral("Restart");
        QList<PowerArg> args{boolean(true)};
        if (logOff)
            args.prepend(boolean(false));
        return {sessionStep(QStringLiteral("org.xfce.SessionManager"),
                            QStringLiteral("/org/xfce/SessionManager"),
                            QStringLiteral("org.xfce.Session.Manager"), method, args)};
    }
    case PowerDesktop::Lxqt: {
        // These never answer.
        const QString method = logOff ? QStringLiteral("logout")
                               : off  ? QStringLiteral("powerOff")
                                      : QStringLiteral("reboot");
        return {sessionStep(QStringLiteral("org.lxqt.session"), QStringLiteral("/LXQtSession"),
                            QStringLiteral("org.lxqt.session"), method)};
    }
    case PowerDesktop::Other:
        break;
    }
    return {};
}

QString describeArg(const PowerArg &arg)
{
    switch (arg.type) {
    case PowerArg::Type::Bool:
        return arg.value ? QStringLiteral("true") : QStringLiteral("false");
    case PowerArg::Type::UInt64:
        // logind's flags
        return QStringLiteral("0x%1").arg(arg.value, 0, 16);
    case PowerArg::Type::UInt32:
    case PowerArg::Type::Int32:
        break;
    }
    return QString::number(arg.value);
}

} // namespace

PowerDesktop powerDesktopFrom(const QString &xdgCurrentDesktop)
{
    const auto entries = xdgCurrentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &raw : entries) {
        const QString entry = raw.trimmed().toUpper();
        if (entry == QLatin1String("KDE"))
            return PowerDesktop::Kde;
        // Cinnamon and Budgie run GNOME's session manager interface.
        if (entry == QLatin1String("GNOME") || entry == QLatin1String("X-CINNAMON") ||
            entry == QLatin1String("CINNAMON") || entry == QLatin1String("BUDGIE"))
            return PowerDesktop::Gnome;
        if (entry == QLatin1String("MATE"))
            return PowerDesktop::Mate;
        if (entry == QLatin1String("XFCE"))
            return PowerDesktop::Xfce;
        if (entry == QLatin1String("LXQT"))
            return PowerDesktop::Lxqt;
    }
    return PowerDesktop::Other;
}

QList<PowerStep> powerChainFor(PowerDesktop desktop, Action action, bool force)
{
    // logind closes every chain: it is there on any systemd machine, whatever the desktop.
    return desktopSteps(desktop, action, force) + logindChain(action, force);
}

QString describePowerStep(const PowerStep &step)
{
    QStringList args;
    for (const PowerArg &arg : step.args)
        args << describeArg(arg);
    return QStringLiteral("%1 %2(%3)")
        .arg(step.service, step.method, args.join(QStringLiteral(", ")));
}

namespace {

Refusal refusalFor(const QString &errorName)
{
    if (errorName == dbusError("AccessDenied"))
        return Refusal::AccessDenied;
    if (errorName == QLatin1String("org.freedesktop.login1.BlockedByInhibitorLock"))
        return Refusal::Inhibited;
    if (errorName == dbusError("InteractiveAuthorizationRequired"))
        return Refusal::AuthorizationRequired;
    if (errorName == dbusError("NoReply") || errorName == dbusError("Timeout"))
        return Refusal::NoAnswer;
    if (notAvailableErrors().contains(errorName))
        return Refusal::NoService;
    return Refusal::Other;
}

} // namespace

PowerChainRun::PowerChainRun(QList<PowerStep> steps, Refusal whenNothingAnswers)
    : m_steps(std::move(steps)), m_whenNothingAnswers(whenNothingAnswers)
{
    if (m_steps.isEmpty())
        refuse(m_whenNothingAnswers, QString());
}

const PowerStep *PowerChainRun::next() const
{
    return m_done ? nullptr : &m_steps.at(m_next);
}

void PowerChainRun::refuse(Refusal refusal, const QString &detail)
{
    if (m_trail.isEmpty())
        m_trail << QStringLiteral("nothing to call");
    m_result = {false, m_trail.join(QStringLiteral("; ")), refusal, detail};
    m_done = true;
}

bool PowerChainRun::answer(const PowerReply &reply)
{
    if (m_done)
        return false;
    const PowerStep &step = m_steps.at(m_next);
    const QString name = describePowerStep(step);
    switch (reply.kind) {
    case PowerReply::Kind::Reply:
        if (!step.query) {
            m_result = {true, QString(), Refusal::Other, QString()};
            m_done = true;
            return false;
        }
        m_trail << name + QStringLiteral(": ") + reply.text;
        if (reply.text == QLatin1String("no") || reply.text == QLatin1String("na")) {
            refuse(Refusal::NotPossible, QString());
            return false;
        }
        break;
    case PowerReply::Kind::Silence:
        if (step.silenceAccepted && !step.query) {
            m_result = {true, QString(), Refusal::Other, QString()};
            m_done = true;
            return false;
        }
        m_trail << name + QStringLiteral(": no reply");
        refuse(Refusal::NoAnswer, QString());
        return false;
    case PowerReply::Kind::Error:
        if (step.moveOnErrors.contains(reply.errorName)) {
            m_trail << name + QStringLiteral(": ") + reply.errorName;
            break;
        }
        // The answer that ends the chain carries its message too.
        m_trail << name + QStringLiteral(": ") + reply.errorName +
                       (reply.text.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reply.text));
        refuse(refusalFor(reply.errorName), reply.text);
        return false;
    }
    if (++m_next < m_steps.size())
        return true;
    refuse(m_whenNothingAnswers, QString());
    return false;
}

Refusal refusalWhenNothingAnswers(Action action, bool force)
{
    return action == Action::LogOff && !force ? Refusal::NoSessionManager : Refusal::NoService;
}

PowerResult runPowerChain(const QList<PowerStep> &steps, const PowerSender &send,
                          Refusal whenNothingAnswers)
{
    PowerChainRun run(steps, whenNothingAnswers);
    while (const PowerStep *step = run.next())
        run.answer(send(*step));
    return run.result();
}
