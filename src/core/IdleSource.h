#pragma once

#include <QObject>
#include <QString>

// Where the time since the user's last keyboard or mouse input comes from: a service that
// tells when it changes, or a reading taken at intervals. One per platform, a fake in tests.
class IdleSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Begins reporting. Which source answers is found out asynchronously: a source that
    // cannot report says failed().
    virtual void start() = 0;
    virtual void stop() = 0;
    // True when the source says every change itself, so idleness lasts until it says
    // otherwise; false when it is read at intervals.
    virtual bool tellsChanges() const = 0;

signals:
    // Nobody has used keyboard or mouse for `ms` as of now.
    void idleFor(qint64 ms);
    // Somebody is using the computer now.
    void inUse();
    void failed(const QString &reason);
};
