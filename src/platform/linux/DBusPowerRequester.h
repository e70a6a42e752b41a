#pragma once

#include "core/Power.h"
#include "core/PowerChain.h"

#include <QDBusConnection>
#include <QObject>
#include <QSet>

#include <chrono>
#include <memory>
#include <optional>

class QDBusServiceWatcher;
class ScreenActions;

// Sends the request chain of the user's desktop over D-Bus: the session managers that run on
// the session bus, then systemd-logind on the system bus; the screen's actions go to
// ScreenActions. Every call is asynchronous and bounded, so the window never waits on a bus,
// and every answer comes from the event loop. The connections are given so that tests can
// hand in private buses.
class DBusPowerRequester final : public QObject, public PowerRequester
{
public:
    // For questions, and for session managers that answer late or never by design.
    static constexpr std::chrono::milliseconds DefaultBound{3000};
    // For a call that acts and should answer: its answer, however late, is the only word on
    // whether the request was refused (logind may first start polkit, or wait on the
    // service manager for as long as this, the bus's usual reply timeout). The request has
    // left by then; only the telling waits.
    static constexpr std::chrono::milliseconds DefaultActingBound{25000};
    // For a call that answers when the session ends: an end-session dialog counts down a
    // minute, then the programs are asked to save. Said unanswered after the first bound;
    // still silent after this one, the session was not ended (the dialog was cancelled).
    static constexpr std::chrono::milliseconds DefaultEndBound{120000};

    DBusPowerRequester(QDBusConnection systemBus, QDBusConnection sessionBus,
                       QString xdgCurrentDesktop, std::chrono::milliseconds bound = DefaultBound,
                       std::chrono::milliseconds actingBound = DefaultActingBound,
                       std::chrono::milliseconds endBound = DefaultEndBound);
    ~DBusPowerRequester() override;

    // logind's Can…() questions in parallel, the session managers that run, and the screen's
    // actions: all seven answered together, within twice the bound whatever does not answer.
    void probe(Probed probed) override;
    // Starts following which session managers run, so that a request need not ask first.
    void prepare() override;
    void request(Action action, bool force, Done done) override;

private:
    struct Call;
    struct Probe;
    void start(Action action, bool force, Done done);
    void sendNext(const std::shared_ptr<Call> &call);
    void answer(const std::shared_ptr<Call> &call, const PowerChain::Reply &reply);
    // Who holds the inhibitor that refused the call, then the refusal.
    void nameHolders(const std::shared_ptr<Call> &call, const PowerChain::Reply &refusal);
    void ask(const QString &method, std::function<void(const QString &word)> answered);
    void finishProbe(const std::shared_ptr<Probe> &probe);
    // Whether a running session manager takes the unforced request.
    bool managerTakes(Action action) const;
    void deliver(std::function<void()> answer);

    QDBusConnection m_system;
    QDBusConnection m_session;
    QString m_desktop;
    std::chrono::milliseconds m_bound;
    std::chrono::milliseconds m_actingBound;
    std::chrono::milliseconds m_endBound;
    QDBusServiceWatcher *m_watcher = nullptr;
    ScreenActions *m_screen = nullptr;
    // The session managers' names on the session bus, once known.
    std::optional<QSet<QString>> m_running;
    QList<std::function<void()>> m_waiting;
};
