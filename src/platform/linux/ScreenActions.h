#pragma once

#include "core/Power.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

// Locking the screen and turning off the display in a Linux desktop session: what the
// session offers, the request, and the confirmation that it was done. Every call is
// asynchronous and bounded; the buses are given so that tests can hand in private ones.
class ScreenActions final : public QObject
{
    Q_OBJECT
public:
    // bound: how long each call may take to be answered, and how long a request waits for
    // something to say that it was done.
    ScreenActions(QDBusConnection systemBus, QDBusConnection sessionBus, QObject *parent = nullptr,
                  std::chrono::milliseconds bound = std::chrono::seconds(3));
    // Requests still open when this object goes are not answered.
    ~ScreenActions() override;

    // Whether this session can lock the screen and turn off the display; `probed` is called
    // exactly once, bounded in time.
    void probe(std::function<void(const Capability &lock, const Capability &displayOff)> probed);
    // Accepted only once something says the screen is locked.
    void lock(PowerRequester::Done done);
    void displayOff(PowerRequester::Done done);

private slots:
    void onSystemSignal(const QDBusMessage &message);
    void onSessionSignal(const QDBusMessage &message);

private:
    class Run;
    struct Listener
    {
        const Run *run;
        bool system;
        QString sender; // empty: any
        QString path;
        QString interface;
        QString member;
        std::function<void(const QDBusMessage &)> heard;
    };
    void listen(Listener listener);
    void forget(const Run *run);
    void dispatch(bool system, const QDBusMessage &message);

    void lockWithLogind(Run *run, std::function<void()> next);
    void lockWithLockers(Run *run, QList<int> lockers);
    void displayOffWithX11(Run *run, std::function<void()> next);
    void displayOffWithMutter(Run *run, const QStringList &names, std::function<void()> next);
    void displayOffWithPlasma(Run *run, const QStringList &names, std::function<void()> next);
    // The X server's blanking is read before the display goes off and put back as it was once
    // the display is on again: at the first input after it was turned off, or at once when it
    // was not.
    void keepBlanking();
    void restoreBlankingOnInput();
    void restoreBlanking();

    QDBusConnection m_system;
    QDBusConnection m_session;
    const int m_boundMs;
    QList<Listener> m_listeners;
    struct Subscription
    {
        bool system;
        QString path;
        QString interface;
        QString member;
        bool operator==(const Subscription &) const = default;
    };
    // Signals subscribed to: once each, kept while this object lives.
    QList<Subscription> m_subscribed;
    struct KeptBlanking;
    // Until it is put back; a second request meanwhile keeps the first one's.
    std::unique_ptr<KeptBlanking> m_keptBlanking;
};
