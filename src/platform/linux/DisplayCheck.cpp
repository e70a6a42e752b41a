#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

#include <xcb/xcb.h>

namespace {

bool waylandReachable(const QByteArray &display)
{
    const QString name = QString::fromLocal8Bit(display);
    const QString path = QDir::isAbsolutePath(name)
                             ? name
                             : QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(name);
    return QFileInfo(path).exists();
}

} // namespace

// The toolkit would abort without a display and tell the user to reinstall; say instead
// which display was tried.
QString Platform::displayProblem()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool wayland = platform.isEmpty() || platform.startsWith("wayland");
    const bool x11 = platform.isEmpty() || platform.startsWith("xcb");
    if (!wayland && !x11)
        return {}; // offscreen and the like need no server
    const QByteArray waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    if (wayland && !waylandDisplay.isEmpty() && waylandReachable(waylandDisplay))
        return {};
    const QByteArray display = qgetenv("DISPLAY");
    if (!x11 || display.isEmpty())
        return waylandDisplay.isEmpty()
                   ? QStringLiteral("no display to show the window on: neither DISPLAY nor "
                                    "WAYLAND_DISPLAY is set")
                   : QStringLiteral("cannot reach the Wayland display %1")
                         .arg(QString::fromLocal8Bit(waylandDisplay));
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return failed
               ? QStringLiteral("cannot open the display %1").arg(QString::fromLocal8Bit(display))
               : QString();
}
