#include "core/AwakeHold.h"
#include "platform/Platform.h"

#include <QCoreApplication>

#include "platform/windows/WinHeaders.h"

namespace {

// The execution state belongs to the thread that sets it and ends with it. It is set and
// cleared on the window's thread, the program's main thread: that thread lives as long as
// the program, so a hold lasts exactly as long as the program wants it, and a program that
// ends or crashes holds nothing. ES_SYSTEM_REQUIRED alone holds off the idle sleep only:
// the display still turns off and the session still locks as set, and the user's own
// sleep (the Start menu, the lid, the power button) is not held off by it.
class ExecutionStateHold final : public AwakeHold
{
public:
    void hold(const QString &) override
    {
        if (m_held)
            return;
        if (SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED) == 0) {
            m_problem = QStringLiteral("SetThreadExecutionState failed: %1")
                            .arg(qt_error_string(int(GetLastError())));
        } else {
            m_held = true;
            m_problem.clear();
        }
        emit changed();
    }
    void release(std::function<void()> released) override
    {
        // Cleared before the request is made, in the same thread: nothing is held then.
        if (m_held) {
            SetThreadExecutionState(ES_CONTINUOUS);
            m_held = false;
            emit changed();
        }
        released();
    }
    QString holder() const override
    {
        return m_held ? QCoreApplication::translate("WinAwakeHold", "Windows' execution state")
                      : QString();
    }
    QString problem() const override { return m_problem; }

private:
    bool m_held = false;
    QString m_problem;
};

} // namespace

std::unique_ptr<AwakeHold> Platform::makeAwakeHold()
{
    return std::make_unique<ExecutionStateHold>();
}
