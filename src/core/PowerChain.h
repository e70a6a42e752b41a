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

// Walks a chain one answer at a time, so that the answers may come later: tries the steps
// in order until one is accepted or refuses, never going past a refusal. The error of a
// refused chain names every step tried and what it answered.
class PowerChainRun
{
public:
    // whenNothingAnswers: the refusal when every step was unavailable.
    PowerChainRun(QList<PowerStep> steps, Refusal whenNothingAnswers);

    // The step to send now; nullptr once the chain has ended.
    const PowerStep *next() const;
    // The answer to next(). True while another step is to be sent.
    bool answer(const PowerReply &reply);
    const PowerResult &result() const { return m_result; }

private:
    void refuse(Refusal refusal, const QString &detail);

    QList<PowerStep> m_steps;
    Refusal m_whenNothingAnswers;
    qsizetype m_next = 0;
    bool m_done = false;
    QStringList m_trail;
    PowerResult m_result;
};

// An unforced log off that no session manager takes is refused rather than ending every
// program unasked; any other request is refused for want of a service.
Refusal refusalWhenNothingAnswers(Action action, bool force);

// The whole chain with a sender that answers at once.
PowerResult runPowerChain(const QList<PowerStep> &steps, const PowerSender &send,
                          Refusal whenNothingAnswers = Refusal::NoService);
