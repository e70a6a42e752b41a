#include "web/WebOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
class DesktopServicesOpener final : public WebOpener
{
public:
    int open(QWidget *, const QString &address) override
    {
        // openUrl only says whether a handler took the address; map it onto the shell's
        // convention of "above 32 is success".
        return QDesktopServices::openUrl(QUrl(address)) ? 33 : 32;
    }
};
} // namespace

std::unique_ptr<WebOpener> makePlatformWebOpener()
{
    return std::make_unique<DesktopServicesOpener>();
}
