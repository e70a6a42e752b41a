#pragma once

#include <QObject>

// Says when a notification area may have appeared or gone, so that nobody has to poll
// for one. The platform's implementation listens to the desktop's own announcements.
class TrayWatcher : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Something changed; ask QSystemTrayIcon::isSystemTrayAvailable() what.
    void changed();
};
