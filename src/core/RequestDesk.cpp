#include "core/RequestDesk.h"

#include "core/ArmedTime.h"
#include "core/ArmingController.h"

#include <QCoreApplication>

namespace {

struct DeskTexts
{
    Q_DECLARE_TR_FUNCTIONS(RequestDesk)
};

PowerResult leftOut(Action instead)
{
    PowerResult result;
    result.refusal = Refusal::LeftOut;
    result.error =
        QStringLiteral("left out: %1 went out instead").arg(PowerTexts::actionName(instead));
    result.detail = PowerTexts::actionCaption(instead);
    return result;
}

} // namespace

RequestDesk::RequestDesk(PowerRequester &power, std::function<void(const QString &)> tell)
    : m_power(power), m_tell(std::move(tell))
{
}

void RequestDesk::request(Action action, bool force, Done done)
{
    if (m_inFlight) {
        // The same action on its way already: one request, its answer for both.
        if (m_inFlight->action == action)
            m_inFlight->waiting.push_back(std::move(done));
        else
            done(leftOut(m_inFlight->action));
        return;
    }
    // Due together with an action that ends more: that one goes out, a second later at
    // most; this one is left out.
    for (const ArmingController *other : m_peers)
        if (other->state() == ArmingController::State::Armed &&
            other->armedTime().secondsUntilDue() <= 1 &&
            weight(other->order().action) > weight(action)) {
            done(leftOut(other->order().action));
            return;
        }
    // Due together with the same action or one that ends less: it goes out with this one,
    // so that waking from a sleep never brings a second sleep.
    for (ArmingController *other : m_peers)
        if (other->state() == ArmingController::State::Armed &&
            other->armedTime().secondsUntilDue() <= 1) {
            const Action joined = other->order().action;
            other->stop();
            m_tell(joined == action
                       ? DeskTexts::tr("%1 was due at the same moment twice: it was asked "
                                       "for once.")
                             .arg(PowerTexts::actionCaption(action))
                       : DeskTexts::tr("%1 was left out: %2 was due at the same moment.")
                             .arg(PowerTexts::actionCaption(joined),
                                  PowerTexts::actionCaption(action)));
        }
    m_inFlight = InFlight{action, {std::move(done)}};
    const quint64 id = ++m_id;
    // An answer that comes after the desk has gone (the program ending) reaches nobody.
    const std::weak_ptr<bool> alive = m_alive;
    const auto send = [this, action, force, id, alive] {
        if (alive.expired())
            return;
        m_power.request(action, force, [this, id, alive](const PowerResult &result) {
            if (alive.expired() || !m_inFlight || id != m_id)
                return;
            // Unanswered is no end: the system may still answer, and says so once more.
            const std::vector<Done> waiting = m_inFlight->waiting;
            if (!result.unanswered)
                m_inFlight.reset();
            for (const Done &answer : waiting)
                answer(result);
        });
    };
    if (m_beforeRequest)
        m_beforeRequest(send);
    else
        send();
}
