#include "platform/Platform.h"
#include "platform/linux/BusProbe.h"
#include "platform/linux/DBusAwakeHold.h"

#include <array>
#include <memory>

namespace {

// The buses are joined when a hold is first asked for, each knocked at first (see
// LazyPowerRequester): a bus that accepts and never answers is left out.
class LazyAwakeHold final : public AwakeHold
{
public:
    void hold(const QString &reason) override
    {
        m_wanted = true;
        m_reason = reason;
        if (m_hold)
            m_hold->hold(reason);
        else if (!m_knocking)
            knock();
    }
    void release(std::function<void()> released) override
    {
        m_wanted = false;
        if (m_hold)
            m_hold->release(std::move(released));
        else
            released();
    }
    QString holder() const override { return m_hold ? m_hold->holder() : QString(); }
    QString problem() const override { return m_hold ? m_hold->problem() : QString(); }

private:
    void knock()
    {
        m_knocking = true;
        auto answers = std::make_shared<std::array<BusAnswer, 2>>();
        auto count = std::make_shared<int>(0);
        const auto joined = [this, answers, count] {
            if (++*count < 2)
                return;
            const auto bus = [](BusAnswer answer, QDBusConnection connection) {
                return answer == BusAnswer::Silent ? QDBusConnection(QString()) : connection;
            };
            m_hold =
                std::make_unique<DBusAwakeHold>(bus((*answers)[0], QDBusConnection::systemBus()),
                                                bus((*answers)[1], QDBusConnection::sessionBus()));
            connect(m_hold.get(), &AwakeHold::changed, this, &AwakeHold::changed);
            if (m_wanted)
                m_hold->hold(m_reason);
        };
        probeBus(systemBusAddress(), ProbeMs, this, [answers, joined](BusAnswer answer) {
            (*answers)[0] = answer;
            joined();
        });
        const QString session = sessionBusAddress();
        probeBus(session.isEmpty() ? QStringLiteral("autolaunch:") : session, ProbeMs, this,
                 [answers, joined](BusAnswer answer) {
                     (*answers)[1] = answer;
                     joined();
                 });
    }

    static constexpr int ProbeMs = 3000;
    bool m_knocking = false;
    bool m_wanted = false;
    QString m_reason;
    std::unique_ptr<DBusAwakeHold> m_hold;
};

} // namespace

std::unique_ptr<AwakeHold> Platform::makeAwakeHold()
{
    return std::make_unique<LazyAwakeHold>();
}
