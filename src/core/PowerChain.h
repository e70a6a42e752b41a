#pragma once

#include "core/Power.h"

#include <QList>
#include <QString>
#include <QStringList>

// The rules of a power request that goes to several services in turn: which answer ends
// it, which answer moves on to the next way, and in which order the desktop's session
// managers are asked. The calls themselves are the platform's; here they are plain data.
namespace PowerChain {

enum class Bus
{
    System,
    Session
};

struct Arg
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

    friend bool operator==(const Arg &, const Arg &) = default;
};

struct Step
{
    Bus bus = Bus::System;
    QString service;
    QString path;
    QString interface;
    QString method;
    QList<Arg> args;
    // A query (may this be done?) cannot carry the action out. It answers a word: "no" and
    // "na" end the chain with a refusal, anything else goes on to the next step; no answer
    // ends it with a refusal too, as the request itself was never sent.
    bool query = false;
    // This call answers only once the session ends, or never (an end-session dialog that
    // counts down, and that the user may cancel): it is reported unanswered after a short
    // wait, and its own late answer still settles the request. Its silence is never taken
    // for an acceptance, no more than any other call's.
    bool answersAtSessionEnd = false;
    // A service that is not running must not be started by our request.
    bool autoStart = false;
    // Errors that mean "this way is not available here": the next step is tried.
    QStringList moveOnErrors;

    friend bool operator==(const Step &, const Step &) = default;
};

// "org.gnome.SessionManager Logout(2)": how a step is named on standard error.
QString describe(const Step &step);

// The session managers of the desktops, each asking the programs to save before the
// session ends.
enum class SessionManager
{
    Kde,
    Gnome,
    Mate,
    Xfce,
    Lxqt
};

// Every session manager, in the order they are tried when more than one runs: those that
// XDG_CURRENT_DESKTOP names first ("ubuntu:GNOME", "X-Cinnamon", a colon-separated list),
// then the others. Which of them is running decides whether it is asked at all; the name
// only decides the order.
QList<SessionManager> sessionManagerOrder(const QString &xdgCurrentDesktop);

struct Reply
{
    enum class Kind
    {
        Reply,
        Error,
        Silence // no answer in time, or the service left without answering
    };
    Kind kind = Kind::Reply;
    QString errorName; // Error, or Silence as the service's own answer (its wait ran out)
    QString text;      // a query's answer, or the error's message
    // Error only: what the error means when it ends the chain.
    Refusal refusal = Refusal::Other;
};

// Walks a chain one answer at a time, so that the answers may come later: tries the steps
// in order until one is accepted or refuses, never going past a refusal, nor past a call
// that acts and did not answer (the next way would be a second request, maybe a different
// one, while the first may still be carried out). Only a reply accepts. The error of a
// chain that was not accepted names every step tried and what it answered.
class Run
{
public:
    // whenNothingAnswers: the refusal when every step was unavailable.
    Run(QList<Step> steps, Refusal whenNothingAnswers);

    // The step to send now; nullptr once the chain has ended.
    const Step *next() const;
    // The answer to next(), or the late answer of the call that left the chain unanswered:
    // a reply accepts, an error refuses, silence once more (its long wait ran out too)
    // refuses as not confirmed. False for an answer that changes nothing (one more after
    // the chain had ended otherwise): nothing new is to be told.
    bool answer(const Reply &reply);
    const PowerResult &result() const { return m_result; }

private:
    void refuse(Refusal refusal, const QString &detail);

    QList<Step> m_steps;
    Refusal m_whenNothingAnswers;
    qsizetype m_next = 0;
    bool m_done = false;
    QStringList m_trail;
    PowerResult m_result;
};

// An unforced log off that no session manager takes is refused rather than ending every
// program unasked; any other request is refused for want of a service.
Refusal whenNothingAnswers(Action action, bool force);

} // namespace PowerChain
