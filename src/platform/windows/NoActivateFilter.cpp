#include "platform/windows/NoActivateFilter.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QWidget>

#include "platform/windows/WinHeaders.h"

bool NoActivateFilter::nativeEventFilter(const QByteArray &eventType, void *message,
                                         qintptr *result)
{
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_MOUSEACTIVATE)
        return false;
    const QWidget *window = QWidget::find(WId(GetAncestor(msg->hwnd, GA_ROOT)));
    if (!window || !window->isWindow() || !window->property(NeverActivateProperty).toBool())
        return false;
    *result = MA_NOACTIVATE;
    return true;
}

void Platform::installNeverActivate()
{
    // It goes with the application, and takes itself out then.
    QCoreApplication *application = QCoreApplication::instance();
    application->installNativeEventFilter(new NoActivateFilter(application));
}
