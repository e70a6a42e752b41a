#include "platform/linux/ScreenActions.h"

ScreenActions::ScreenActions(QDBusConnection systemBus, QDBusConnection sessionBus,
                             QObject *parent)
    : QObject(parent), m_system(std::move(systemBus)), m_session(std::move(sessionBus))
{
}

ScreenActions::~ScreenActions() = default;

void ScreenActions::probe(
    std::function<void(const Capability &lock, const Capability &displayOff)> probed)
{
    const Capability none{false, tr("Not available yet")};
    probed(none, none);
}

void ScreenActions::lock(PowerRequester::Done done)
{
    done({false, QStringLiteral("lock: not available"), Refusal::NoService, QString()});
}

void ScreenActions::displayOff(PowerRequester::Done done)
{
    done({false, QStringLiteral("display off: not available"), Refusal::NoService, QString()});
}
