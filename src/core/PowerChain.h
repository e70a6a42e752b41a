#pragma once

#include "core/Power.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The Linux request chain: which D-Bus calls stand for one power request on the
// user's desktop, in the order they are tried. Pure data; the platform back-end
// sends the steps and feeds the replies to runPowerChain().

enum class PowerBus
{
    System,
    Session
};

struct PowerArg
{
    enum class Type
    {
        UInt32,
        Int32,
        UInt64,
        Bool
    };
    Type type = Type::UInt32;
    qint64 value = 0;

    friend bool operator==(const PowerArg &, const PowerArg &) = default;
};

struct PowerStep
{
    PowerBus bus = PowerBus::System;
    QString service;
    QString path;
    QString interface;
    QString method;
    QList<PowerArg> args;
    // A query (logind's CanPowerOff/CanReboot) answers a string: "no" and "na" end the
    // chain with a refusal, anything else goes on to the next step.
    bool query = false;
    // Session managers may answer only once the session has ended, or never.
    bool silenceAccepted = false;
    // A session manager that is not running must not be started by our request.
    bool autoStart = false;
    // Error names that mean "this way is not available here": try the next step.
    QStringList moveOnErrors;

    friend bool operator==(const PowerStep &, const PowerStep &) = default;
};

enum class PowerDesktop
{
    Other,
    Kde,
    Gnome,
    Mate,
    Xfce,
    Lxqt
};

// XDG_CURRENT_DESKTOP is a colon-separated list ("ubuntu:GNOME", "Budgie:GNOME",
// "X-Cinnamon"); the first entry we know decides.
PowerDesktop powerDesktopFrom(const QString &xdgCurrentDesktop);

QList<PowerStep> powerChainFor(PowerDesktop desktop, Action action, bool force);

// "org.gnome.SessionManager Logout(2)": how a step is named in a refusal.
QString describePowerStep(const PowerStep &step);

struct PowerReply
{
    enum class Kind
    {
        Reply,
        Error,
        Silence
    };
    Kind kind = Kind::Reply;
    QString errorName; // Error only
    QString text;      // a query's answer, or the error's message
};

using PowerSender = std::function<PowerReply(const PowerStep &)>;

// Tries the steps in order until one is accepted or refuses; never goes past a refusal.
// The error of a refused chain names every step tried and what it answered.
PowerResult runPowerChain(const QList<PowerStep> &steps, const PowerSender &send);
