#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

// Wakes the computer from sleep (not from hibernation, nor when it is turned off) at a moment,
// so that an action armed for a time of day is carried out with its warning minute. One moment
// at a time: set() replaces the moment set before. Every call to the system is asynchronous;
// a set() or clear() answered late never leaves a wake behind that is no longer wanted.
class WakeAlarm : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Asks whether this system can wake the computer at a time: `done` gets an empty text
    // when it can, else why not, in the user's words. Never answers from inside the call.
    virtual void probe(std::function<void(const QString &whyNot)> done) = 0;
    // Wakes the computer at `at` (any time zone), in place of any moment set before.
    virtual void set(const QDateTime &at) = 0;
    // No wake any more, also none of a set() still on its way.
    virtual void clear() = 0;
    // Removes the wakes an earlier run left behind when it ended without clear() (a crash).
    virtual void clearLeftovers() = 0;

signals:
    // The system refused a set(): the computer will not be woken. `reason` says why.
    void failed(const QString &reason);
};
