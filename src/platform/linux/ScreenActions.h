#pragma once

#include "core/Power.h"

#include <QDBusConnection>
#include <QObject>

#include <functional>

// Locking the screen and turning off the display in a Linux desktop session: what the
// session offers, the request, and the confirmation that it was done. Every call is
// asynchronous and bounded; the buses are given so that tests can hand in private ones.
class ScreenActions final : public QObject
{
public:
    ScreenActions(QDBusConnection systemBus, QDBusConnection sessionBus,
                  QObject *parent = nullptr);
    ~ScreenActions() override;

    // Whether this session can lock the screen and turn off the display; `probed` is called
    // exactly once, bounded in time.
    void probe(std::function<void(const Capability &lock, const Capability &displayOff)> probed);
    // Accepted only once something says the screen is locked.
    void lock(PowerRequester::Done done);
    void displayOff(PowerRequester::Done done);

private:
    QDBusConnection m_system;
    QDBusConnection m_session;
};
