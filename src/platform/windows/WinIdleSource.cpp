#include "core/IdleCondition.h"
#include "core/IdleSource.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QTimer>

#include <windows.h>

namespace {

// The time since the session's last input, read every 5 s while started: Windows says no
// change of it by itself.
class WinIdleSource final : public IdleSource
{
    // Its texts are filed under its own name.
    Q_DECLARE_TR_FUNCTIONS(WinIdleSource)

public:
    WinIdleSource()
    {
        m_poll.setInterval(5000);
        connect(&m_poll, &QTimer::timeout, this, &WinIdleSource::read);
    }

    void start() override
    {
        m_poll.start();
        read();
    }
    void stop() override { m_poll.stop(); }
    bool tellsChanges() const override { return false; }

private:
    void read()
    {
        LASTINPUTINFO info{};
        info.cbSize = sizeof info;
        if (!GetLastInputInfo(&info)) {
            stop();
            emit failed(
                tr("The time of the last input cannot be read (error %1).").arg(GetLastError()));
            return;
        }
        // Both are 32-bit milliseconds since boot: the difference is right across their wrap.
        emit idleFor(qint64(DWORD(GetTickCount() - info.dwTime)));
    }

    QTimer m_poll;
};

} // namespace

std::unique_ptr<Condition> Platform::makeIdleCondition(qint64 spanMs, const Clock &clock)
{
    return std::make_unique<IdleCondition>(spanMs, std::make_unique<WinIdleSource>(), clock);
}
