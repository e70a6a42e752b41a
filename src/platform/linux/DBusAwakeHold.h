#pragma once

#include "core/AwakeHold.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

#include <vector>

class QDBusMessage;
class QTimer;

// Holds off the desktop's idle suspend through what the session honours for it, the first
// that answers of:
//  - GNOME's session manager, Inhibit with the "suspend" flag alone (gnome-settings-daemon
//    starts its sleep timer only while no inhibitor has it; the "idle" flag would also keep
//    the screen from blanking and locking);
//  - org.freedesktop.PowerManagement.Inhibit (KDE Plasma's PowerDevil and Xfce's power
//    manager skip their idle suspend while it is held);
//  - the desktop portal's Inhibit with the "suspend" flag, whose answer is read: a backend
//    that cannot hold it answers with a failure, or not at all;
//  - logind's Inhibit("idle", …, "block"): its own IdleAction, and desktops that follow
//    logind's locks.
// The session's services drop the inhibitors of a connection that leaves the bus, and logind
// the lock whose descriptor is closed: nothing outlives the process. The connections are
// given so that tests can hand in private buses.
class DBusAwakeHold final : public AwakeHold
{
    Q_OBJECT
public:
    // `letGoMs` bounds the wait for a service's answer to letting go, which the request
    // waits for. Taking is bounded by the bus's usual 25 s: a late answer must still be
    // seen, or what it holds could not be let go.
    DBusAwakeHold(QDBusConnection systemBus, QDBusConnection sessionBus, int letGoMs = 3000);
    ~DBusAwakeHold() override;

    void hold(const QString &reason) override;
    void release(std::function<void()> released) override;
    QString holder() const override;
    QString problem() const override { return m_problem; }

    enum class Source
    {
        None,
        GnomeSession,
        PowerManagement,
        Portal,
        Logind
    };

private slots:
    void onPortalResponse(uint response, const QVariantMap &results);

private:
    void take(Source source);
    void taken(Source source, const QDBusMessage &reply);
    void failed(Source source, const QString &why);
    // Taken: held from now on, or let go at once when no longer wanted.
    void becomeHeld();
    void letGo();
    void letGone();
    void runReleased();
    QDBusMessage letGoCall() const;
    QString portalRequestPath(const QString &token) const;

    enum class Phase
    {
        Idle,
        Taking,
        Held,
        LettingGo
    };
    QDBusConnection m_system;
    QDBusConnection m_session;
    int m_letGoMs;
    Phase m_phase = Phase::Idle;
    bool m_wanted = false;
    QString m_reason;
    Source m_source = Source::None;
    uint m_cookie = 0;
    QDBusUnixFileDescriptor m_descriptor;
    QString m_portalRequest;
    QTimer *m_portalTimer;
    QStringList m_failures;
    QString m_problem;
    std::vector<std::function<void()>> m_released;
    quint64 m_attempt = 0;
};
