#pragma once

#include <QObject>
#include <QString>

// Something besides the clock that an armed action waits for: a program that ends, a
// computer that falls quiet, a user who stops using it. Armed, it watches; once it holds
// it says so once, and the warning minute before the action begins.
class Condition : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts watching. False, with the reason in the user's language, when there is
    // nothing to wait for (the program is gone already); nothing is watched then.
    virtual bool start(QString *error) = 0;
    virtual void stop() = 0;
    // Begins the span again (Postpone; input during the warning of an idle wait). A wait
    // without a span (a program's end) changes nothing: its Postpone is a matter of time.
    virtual void restart() = 0;
    // Whether restart() begins a span again (a program's end has none).
    virtual bool hasSpan() const { return true; }
    // What is waited for and how far along it is, for the window and the tool tip:
    // "firefox (1234) still running", "quiet for 3:10 of 5:00 — CPU 4 %, network 2 KB/s".
    virtual QString progress() const = 0;

signals:
    // The condition holds; once per start() or restart().
    void met();
    // progress() has changed.
    void progressChanged();
    // The user is at the computer again (keyboard or mouse input); only idle waits say so.
    void activity();
    // Watching became impossible after start() (no source of idle time answered, a
    // sampler's files went away); nothing is watched any more. The reason is for the user.
    void failed(const QString &reason);
};
