#include "platform/Platform.h"
#include "platform/windows/Win32Power.h"

#include <QString>
#include <QtGlobal>

namespace {
class ExitWindowsRequester final : public PowerRequester
{
public:
    void request(Action action, bool force, Done done) override
    {
        const win32::ExitWindowsResult result =
            win32::exitWindows(win32::realPowerApi(), action, force);
        if (result.accepted) {
            done({true, QString()});
            return;
        }
        done({false, QStringLiteral("ExitWindowsEx(%1) refused: %2")
                         .arg(result.flags)
                         .arg(qt_error_string(static_cast<int>(result.error)))});
    }
};
} // namespace

std::unique_ptr<PowerRequester> Platform::makePowerRequester()
{
    return std::make_unique<ExitWindowsRequester>();
}
