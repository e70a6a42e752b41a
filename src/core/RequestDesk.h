#pragma once

#include "core/Power.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ArmingController;

// Hands the controllers' requests to the system one at a time. The system itself takes one at
// a time (a second one while the first is pending is refused), and two items due at the same
// moment must not both act: the one whose action ends more goes out (see weight()), the same
// action is asked for once, and the one left out is told why. A request while another of
// the same action is on its way shares its answer; one of another action is refused.
class RequestDesk final : public PowerRequester
{
public:
    // `tell` says to the user what became of an item that went out with another.
    RequestDesk(PowerRequester &power, std::function<void(const QString &)> tell);

    // The controllers whose requests come here, looked at for what is due at the same moment.
    void setPeers(const std::array<ArmingController *, 2> &peers) { m_peers = peers; }
    // Runs before each request leaves, which goes once `send` is called (the hold that keeps
    // the computer awake is let go first: it must never stand in the request's way).
    void setBeforeRequest(std::function<void(std::function<void()> send)> before)
    {
        m_beforeRequest = std::move(before);
    }

    void probe(Probed probed) override { m_power.probe(std::move(probed)); }
    void prepare() override { m_power.prepare(); }
    void request(Action action, bool force, Done done) override;

private:
    struct InFlight
    {
        Action action;
        std::vector<Done> waiting;
    };
    PowerRequester &m_power;
    std::function<void(const QString &)> m_tell;
    std::array<ArmingController *, 2> m_peers{};
    std::function<void(std::function<void()>)> m_beforeRequest;
    std::optional<InFlight> m_inFlight;
    quint64 m_id = 0;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
