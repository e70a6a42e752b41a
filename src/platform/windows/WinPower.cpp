#include "platform/windows/Win32Power.h"
#include "schedule/PowerRequester.h"

#include <QString>
#include <QtGlobal>

namespace {
class ExitWindowsRequester final : public PowerRequester
{
public:
    PowerResult request(const PowerRequest &request) override
    {
        const win32::Win32Api &api = win32::realWin32Api();
        if (win32::exitWindowsWithShutdownPrivilege(api, request.flags))
            return {true, QString()};
        // Read at once: nothing may run between the refused call and this.
        const DWORD error = api.GetLastError();
        return {false, QStringLiteral("ExitWindowsEx(%1) refused: %2")
                           .arg(request.flags)
                           .arg(qt_error_string(static_cast<int>(error)))};
    }
};
} // namespace

std::unique_ptr<PowerRequester> makePlatformPowerRequester()
{
    return std::make_unique<ExitWindowsRequester>();
}
