#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>

// The D-Bus shapes of systemd's transient units: a property (sv), a calendar timer (ss), a
// command to run (sasb), and an auxiliary unit (sa(sv)).
struct UnitProperty
{
    QString name;
    QDBusVariant value;
};
struct CalendarTimer
{
    QString base;
    QString when;
};
struct ExecCommand
{
    QString path;
    QStringList arguments;
    bool ignoreFailure = false;
};
struct AuxiliaryUnit
{
    QString name;
    QList<UnitProperty> properties;
};
inline QDBusArgument &operator<<(QDBusArgument &out, const UnitProperty &p)
{
    out.beginStructure();
    out << p.name << p.value;
    out.endStructure();
    return out;
}
inline const QDBusArgument &operator>>(const QDBusArgument &in, UnitProperty &p)
{
    in.beginStructure();
    in >> p.name >> p.value;
    in.endStructure();
    return in;
}
inline QDBusArgument &operator<<(QDBusArgument &out, const CalendarTimer &t)
{
    out.beginStructure();
    out << t.base << t.when;
    out.endStructure();
    return out;
}
inline const QDBusArgument &operator>>(const QDBusArgument &in, CalendarTimer &t)
{
    in.beginStructure();
    in >> t.base >> t.when;
    in.endStructure();
    return in;
}
inline QDBusArgument &operator<<(QDBusArgument &out, const ExecCommand &c)
{
    out.beginStructure();
    out << c.path << c.arguments << c.ignoreFailure;
    out.endStructure();
    return out;
}
inline const QDBusArgument &operator>>(const QDBusArgument &in, ExecCommand &c)
{
    in.beginStructure();
    in >> c.path >> c.arguments >> c.ignoreFailure;
    in.endStructure();
    return in;
}
inline QDBusArgument &operator<<(QDBusArgument &out, const AuxiliaryUnit &u)
{
    out.beginStructure();
    out << u.name << u.properties;
    out.endStructure();
    return out;
}
inline const QDBusArgument &operator>>(const QDBusArgument &in, AuxiliaryUnit &u)
{
    in.beginStructure();
    in >> u.name >> u.properties;
    in.endStructure();
    return in;
}

Q_DECLARE_METATYPE(UnitProperty)
Q_DECLARE_METATYPE(CalendarTimer)
Q_DECLARE_METATYPE(ExecCommand)
Q_DECLARE_METATYPE(AuxiliaryUnit)
