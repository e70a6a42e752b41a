#pragma once

#include "core/Power.h"
#include "core/PowerChain.h"

#include <QDBusConnection>

#include <chrono>
#include <memory>

// Sends the request chain of the user's desktop over D-Bus: session managers on the
// session bus, systemd-logind on the system bus. Every call is asynchronous and bounded,
// so the window never waits on a bus. The connections are given so that tests can hand
// in private buses.
class DBusPowerRequester final : public PowerRequester
{
public:
    static constexpr std::chrono::milliseconds DefaultBound{3000};

    DBusPowerRequester(QDBusConnection systemBus, QDBusConnection sessionBus,
                       QString xdgCurrentDesktop, std::chrono::milliseconds bound = DefaultBound);

    void request(Action action, bool force, Done done) override;

private:
    struct Call;
    void sendNext(const std::shared_ptr<Call> &call);
    void answer(const std::shared_ptr<Call> &call, const PowerReply &reply);

    QDBusConnection m_system;
    QDBusConnection m_session;
    PowerDesktop m_desktop;
    std::chrono::milliseconds m_bound;
};
