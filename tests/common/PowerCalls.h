#pragma once

#include <QString>

// How the power tests write one expected D-Bus call:
// "<bus> <service> <path> <interface>.<member><suffix>". The addresses are written out
// here once, apart from the program's own table, so that a typo there is caught.
namespace PowerCalls {

inline QString call(const QString &bus, const QString &service, const QString &path,
                    const QString &interface, const QString &member, const QString &suffix)
{
    return QStringLiteral("%1 %2 %3 %4.%5%6").arg(bus, service, path, interface, member, suffix);
}

inline QString session(const QString &service, const QString &path, const QString &interface,
                       const QString &member, const QString &suffix)
{
    return call(QStringLiteral("session"), service, path, interface, member, suffix);
}

inline QString gnome(const QString &member, const QString &suffix = {})
{
    return session(QStringLiteral("org.gnome.SessionManager"),
                   QStringLiteral("/org/gnome/SessionManager"),
                   QStringLiteral("org.gnome.SessionManager"), member, suffix);
}
inline QString mate(const QString &member, const QString &suffix = {})
{
    return session(QStringLiteral("org.mate.SessionManager"),
                   QStringLiteral("/org/mate/SessionManager"),
                   QStringLiteral("org.mate.SessionManager"), member, suffix);
}
inline QString xfce(const QString &member, const QString &suffix = {})
{
    return session(QStringLiteral("org.xfce.SessionManager"),
                   QStringLiteral("/org/xfce/SessionManager"),
                   QStringLiteral("org.xfce.Session.Manager"), member, suffix);
}
inline QString kde(const QString &member, const QString &suffix = {})
{
    return session(QStringLiteral("org.kde.Shutdown"), QStringLiteral("/Shutdown"),
                   QStringLiteral("org.kde.Shutdown"), member, suffix);
}
inline QString ksmserver(const QString &member, const QString &suffix = {})
{
    return session(QStringLiteral("org.kde.ksmserver"), QStringLiteral("/KSMServer"),
                   QStringLiteral("org.kde.KSMServerInterface"), member, suffix);
}
inline QString lxqt(const QString &member, const QString &suffix = {})
{
    return session(QStringLiteral("org.lxqt.session"), QStringLiteral("/LXQtSession"),
                   QStringLiteral("org.lxqt.session"), member, suffix);
}
inline QString logind(const QString &member, const QString &suffix = {})
{
    return call(QStringLiteral("system"), QStringLiteral("org.freedesktop.login1"),
                QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), member, suffix);
}
inline QString terminate(const QString &suffix = {})
{
    return call(QStringLiteral("system"), QStringLiteral("org.freedesktop.login1"),
                QStringLiteral("/org/freedesktop/login1/session/auto"),
                QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Terminate()"),
                suffix);
}

} // namespace PowerCalls
