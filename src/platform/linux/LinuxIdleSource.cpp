#include "core/IdleSource.h"
#include "platform/linux/IdleParts.h"
#include "platform/linux/WaitParts.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QTimer>

#include <array>
#include <optional>

void callLater(const QDBusConnection &bus, const QDBusMessage &message, QObject *context,
               std::function<void(const QDBusMessage &)> done)
{
    QDBusMessage call = message;
    call.setAutoStartService(false);
    // A call that fails at once says so from the event loop too.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, IdleCallMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [done = std::move(done)](QDBusPendingCallWatcher *w) {
                         w->deleteLater();
                         done(w->reply());
                     });
}

struct IdleSources::Found
{
    enum Kind
    {
        Mutter,
        XSync,
        Wayland,
        Logind,
        None
    };
    // Whether each answered, best first; nothing while not known.
    std::array<std::optional<bool>, None> answers;
    Kind kind = None;
    bool askedLogind = false;
    QString mutterOwner;
    quint32 idleCounter = 0;
    std::shared_ptr<WaylandIdle> wayland;
    LogindSession logind;
};

IdleSources::IdleSources() : m_found(std::make_unique<Found>()) {}
IdleSources::~IdleSources() = default;

void IdleSources::probe()
{
    if (m_probing || m_probed)
        return;
    m_probing = true;
    findMutterIdle(this, [this](const QString &owner) {
        m_found->mutterOwner = owner;
        m_found->answers[Found::Mutter] = !owner.isEmpty();
        answered();
    });
    findWaylandIdle(this, [this](std::shared_ptr<WaylandIdle> connection) {
        m_found->wayland = std::move(connection);
        m_found->answers[Found::Wayland] = m_found->wayland != nullptr;
        answered();
    });
    // A round trip to the X server, from the event loop as the others answer.
    QTimer::singleShot(0, this, [this] {
        m_found->idleCounter = findXSyncIdleCounter();
        m_found->answers[Found::XSync] = m_found->idleCounter != 0;
        answered();
    });
}

// The best that answered, once every better one said it cannot tell; logind's system bus is
// asked only when the session's own sources cannot tell.
void IdleSources::answered()
{
    if (m_probed) {
        // A late answer: nothing of it is kept.
        if (m_found->kind != Found::Wayland)
            m_found->wayland.reset();
        return;
    }
    Found &found = *m_found;
    found.kind = Found::None;
    for (int kind = Found::Mutter; kind < Found::None; ++kind) {
        if (!found.answers[kind]) {
            if (kind == Found::Logind && !std::exchange(found.askedLogind, true)) {
                findLogindIdle(this, [this](const LogindSession &session) {
                    m_found->logind = session;
                    m_found->answers[Found::Logind] = !session.owner.isEmpty();
                    answered();
                });
            }
            return;
        }
        if (*found.answers[kind]) {
            found.kind = Found::Kind(kind);
            break;
        }
    }
    if (found.kind != Found::Wayland)
        found.wayland.reset();
    m_probing = false;
    m_probed = true;
    emit probed();
}

std::unique_ptr<IdleSource> IdleSources::make(QString *why) const
{
    std::unique_ptr<IdleSource> source;
    switch (m_probed ? m_found->kind : Found::None) {
    case Found::Mutter:
        source = makeMutterIdleSource(m_found->mutterOwner);
        break;
    case Found::XSync:
        source = makeXSyncIdleSource(m_found->idleCounter);
        break;
    case Found::Wayland:
        source = makeWaylandIdleSource(m_found->wayland);
        break;
    case Found::Logind:
        source = makeLogindIdleSource(m_found->logind);
        break;
    case Found::None:
        if (why)
            *why = m_probed ? tr("This desktop does not tell how long nobody has used the "
                                 "computer.")
                            : tr("Still finding out how this desktop tells how long nobody has "
                                 "used the computer.");
        break;
    }
    return source;
}
