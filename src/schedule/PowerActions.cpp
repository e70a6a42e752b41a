#include "schedule/PowerRequester.h"
#include "ui/OptionButton.h"
#include "ui/Shutdown.h"

#include <cstdio>

bool Shutdown::LogOffUser()
{
    return requestPower(static_cast<int>(PowerAction::LogOff));
}

bool Shutdown::TurnOffComputer()
{
    return requestPower(static_cast<int>(PowerAction::PowerOff));
}

bool Shutdown::RestartComputer()
{
    return requestPower(static_cast<int>(PowerAction::Restart));
}

bool Shutdown::requestPower(int action)
{
    // Force is read at the moment of the request; the box cannot change while armed.
    const PowerRequest request = powerRequestFor(static_cast<PowerAction>(action), Check1->Value());
    const PowerResult result = m_services.power->request(request);
    if (!result.accepted) {
        // The window closes all the same; this line is the only trace of the refusal.
        const QByteArray line =
            QStringLiteral("orvanta: %1%2 was refused: %3\n")
                .arg(powerActionName(request.action),
                     request.force ? QStringLiteral(" (forced)") : QString(), result.error)
                .toLocal8Bit();
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
    }
    return result.accepted;
}
