#include "core/WebOpener.h"
#include "platform/Platform.h"

#include <QProcess>
#include <QTimer>

#include <memory>

namespace {

// An opener still running after this long has handed the page to a browser.
constexpr int StillRunningMeansOpenedMs = 5000;

// The desktop's opener, started without waiting: its exit status says whether a browser
// took the page (xdg-open exits 3 or 4 when there is none), which asking Qt would not tell.
class DesktopWebOpener final : public WebOpener
{
public:
    void open(const QString &address, Done done) override
    {
        auto *process = new QProcess;
        auto answered = std::make_shared<bool>(false);
        auto answer = [done = std::move(done), answered](bool opened) {
            if (*answered)
                return;
            *answered = true;
            done(opened);
        };
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, answer](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart)
                                 return;
                             answer(false);
                             process->deleteLater();
                         });
        QObject::connect(process, &QProcess::finished, process,
                         [process, answer](int code, QProcess::ExitStatus status) {
                             answer(status == QProcess::NormalExit && code == 0);
                             process->deleteLater();
                         });
        QTimer::singleShot(StillRunningMeansOpenedMs, process, [answer] { answer(true); });
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(QStringLiteral("xdg-open"), {address});
    }
};

} // namespace

std::unique_ptr<WebOpener> Platform::makeWebOpener()
{
    return std::make_unique<DesktopWebOpener>();
}
