#include "platform/windows/Win32Web.h"
#include "web/WebOpener.h"

#include <QByteArray>
#include <QWidget>

namespace {
class ShellWebOpener final : public WebOpener
{
public:
    int open(QWidget *owner, const QString &address) override
    {
        const HWND window = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
        // The ANSI entry point reads the address in the system code page.
        const QByteArray narrow = address.toLocal8Bit();
        return win32::shellOpenAddress(win32::realWin32Api(), window, narrow.constData());
    }
};
} // namespace

std::unique_ptr<WebOpener> makePlatformWebOpener()
{
    return std::make_unique<ShellWebOpener>();
}
