#include "platform/Platform.h"
#include "platform/linux/BusProbe.h"
#include "platform/linux/DBusPowerRequester.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {

// The buses are joined when a request may come soon (a schedule was armed), so that the
// request itself only sends; the environment decides which buses (DBUS_SYSTEM_BUS_ADDRESS,
// DBUS_SESSION_BUS_ADDRESS) and which desktop. Each is knocked at first: the toolkit's own
// connecting would wait for ever on a bus that never answers. A bus once joined cannot hang
// a call any more (every call is bounded); one found silent is knocked at again only when
// that was a while ago.
class LazyPowerRequester final : public QObject, public PowerRequester
{
public:
    void prepare() override
    {
        if (m_requester)
            m_requester->prepare();
        else if (!m_knocking && !knockedLately())
            knock();
    }

    void probe(Probed probed) override
    {
        if (m_requester) {
            m_requester->probe(std::move(probed));
            return;
        }
        m_probes << std::move(probed);
        knockOrAnswer();
    }

    void request(Action action, bool force, Done done) override
    {
        if (m_requester) {
            m_requester->request(action, force, std::move(done));
            return;
        }
        m_waiting << Waiting{action, force, std::move(done)};
        knockOrAnswer();
    }

private:
    struct Waiting
    {
        Action action;
        bool force;
        Done done;
    };

    void knockOrAnswer()
    {
        if (!m_knocking && !knockedLately())
            knock();
        else if (!m_knocking)
            // Never from inside the request.
            QTimer::singleShot(0, this, [this] { answerWaiting(); });
    }

    bool knockedLately() const { return m_knocked.isValid() && !m_knocked.hasExpired(AgainMs); }

    void knock()
    {
        m_knocking = true;
        auto answers = std::make_shared<std::pair<int, BusAnswer>>(0, BusAnswer::Answers);
        const auto joined = [this, answers] {
            if (++answers->first < 2)
                return;
            m_knocking = false;
            m_knocked.start();
            if (m_systemAnswer != BusAnswer::Silent) {
                // A silent session bus only takes the session managers away; logind remains.
                m_requester = std::make_unique<DBusPowerRequester>(
                    QDBusConnection::systemBus(),
                    answers->second == BusAnswer::Silent ? QDBusConnection(QString())
                                                         : QDBusConnection::sessionBus(),
                    qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
                m_requester->prepare();
            }
            answerWaiting();
        };
        probeBus(systemBusAddress(), ProbeMs, this, [this, joined](BusAnswer answer) {
            m_systemAnswer = answer;
            joined();
        });
        const QString session = sessionBusAddress();
        probeBus(session.isEmpty() ? QStringLiteral("autolaunch:") : session, ProbeMs, this,
                 [answers, joined](BusAnswer answer) {
                     answers->second = answer;
                     joined();
                 });
    }

    void answerWaiting()
    {
        for (const Probed &probed : std::exchange(m_probes, {})) {
            if (m_requester) {
                m_requester->probe(probed);
                continue;
            }
            Capabilities capabilities;
            for (Capability &capability : capabilities)
                capability = {
                    false, QCoreApplication::translate("DBusPowerRequester",
                                                       "The system's message bus does not answer")};
            probed(capabilities);
        }
        const QList<Waiting> waiting = std::exchange(m_waiting, {});
        for (const Waiting &w : waiting) {
            if (m_requester)
                m_requester->request(w.action, w.force, w.done);
            else
                w.done(
                    {false,
                     QStringLiteral("the system bus at %1 did not answer").arg(systemBusAddress()),
                     Refusal::NoAnswer, QString()});
        }
    }

    static constexpr int ProbeMs = 3000;
    static constexpr qint64 AgainMs = 60 * 1000;
    bool m_knocking = false;
    QElapsedTimer m_knocked;
    BusAnswer m_systemAnswer = BusAnswer::Answers;
    QList<Waiting> m_waiting;
    QList<Probed> m_probes;
    std::unique_ptr<DBusPowerRequester> m_requester;
};

} // namespace

std::unique_ptr<PowerRequester> Platform::makePowerRequester()
{
    return std::make_unique<LazyPowerRequester>();
}
