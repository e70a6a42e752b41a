#pragma once

#include <QObject>
#include <QString>

// Where the time since the user's last keyboard or mouse input comes from: what the
// session tells as it changes (an idle monitor, an alarm on the server's idle counter, the
// compositor's idle notification), never read at intervals where the session can tell.
// One per platform, a fake in tests.
class IdleSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Begins reporting; nothing is said from inside start(). `spanMs` is the idleness the
    // wait needs: a source told only at thresholds arms one there.
    virtual void start(qint64 spanMs) = 0;
    virtual void stop() = 0;

signals:
    // Nobody has used keyboard or mouse for `ms` as of now. Said as soon as it is known
    // after start() (where the source can tell the idleness so far) and at the latest when
    // the idleness reaches the span; it may be said more often.
    void idleFor(qint64 ms);
    // Somebody used keyboard or mouse after the last idleFor(): said at once, also in the
    // last moments before an action.
    void inUse();
    // Nothing can be told any more; the reason is for the user.
    void failed(const QString &reason);
};
