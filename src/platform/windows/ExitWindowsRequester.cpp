#include "platform/Platform.h"
#include "platform/windows/Win32Power.h"

#include <QString>
#include <QtGlobal>

namespace {

// The answers a user can act on: a standard account may lack the shutdown privilege, and
// one request at a time is carried out.
Refusal refusalFor(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return Refusal::AccessDenied;
    case ERROR_SHUTDOWN_IN_PROGRESS:
        return Refusal::NotPossible;
    default:
        return Refusal::Other;
    }
}

class ExitWindowsRequester final : public PowerRequester
{
public:
    void request(Action action, bool force, Done done) override
    {
        if (!endsSession(action)) {
            done({false, QStringLiteral("%1: not available").arg(PowerTexts::actionName(action)),
                  Refusal::NoService, QString()});
            return;
        }
        const win32::ExitWindowsResult result =
            win32::exitWindows(win32::realPowerApi(), action, force);
        PowerResult answer;
        answer.accepted = result.accepted;
        if (!result.accepted) {
            answer.detail = qt_error_string(static_cast<int>(result.error));
            answer.error = QStringLiteral("ExitWindowsEx(%1) refused: %2")
                               .arg(result.flags)
                               .arg(answer.detail);
            answer.refusal = refusalFor(result.error);
        }
        done(answer);
    }
};

} // namespace

std::unique_ptr<PowerRequester> Platform::makePowerRequester()
{
    return std::make_unique<ExitWindowsRequester>();
}
