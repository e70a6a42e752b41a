#include "core/WebOpener.h"
#include "platform/Platform.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
// On Windows the toolkit hands the address to ShellExecute and reports whether the shell
// took it, which is all the program needs to know.
class DesktopWebOpener final : public WebOpener
{
public:
    void open(const QString &address, Done done) override
    {
        done(QDesktopServices::openUrl(QUrl(address)));
    }
};
} // namespace

std::unique_ptr<WebOpener> Platform::makeWebOpener()
{
    return std::make_unique<DesktopWebOpener>();
}
