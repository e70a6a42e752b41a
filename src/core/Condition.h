#pragma once

#include <QObject>
#include <QString>

// Something besides the clock that an armed action waits for: a program that ends, a
// computer that falls quiet, a user who stops using it. Started, it watches; once it holds
// it says met(), and the warning minute before the action begins. A condition with a span
// keeps watching while it holds: a job that starts again, or a user back at the keyboard,
// says lapsed(), and the wait begins again.
//
// No signal comes from inside start(): whoever calls it connects first and asks holds()
// afterwards.
class Condition : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts watching. False, with the reason in the user's language, when there is
    // nothing to wait for (the program is gone already) or nothing can watch it; nothing
    // is watched then.
    bool start(QString *error);
    void stop() { end(); }
    bool holds() const { return m_holds; }
    // Whether progress() moves on with the clock between signals (an idle span counted
    // from the last input): a window in view refreshes it itself.
    virtual bool progressesWithTime() const { return false; }
    // What is waited for and how far along it is, for the window and the tool tip:
    // "firefox (1234) still running", "quiet for 3:10 of 5:00 — CPU 4 %, …".
    virtual QString progress() const = 0;

signals:
    // The condition holds; once per start(), or after lapsed().
    void met();
    // It held and holds no more (busy again, input); `why` is for the user. It is watched
    // on: met() may come again.
    void lapsed(const QString &why);
    // progress() has changed.
    void progressChanged();
    // Watching became impossible after start() (a source gave up, a sampler's files went
    // away); nothing is watched any more. The reason is for the user.
    void failed(const QString &reason);

protected:
    virtual bool begin(QString *error) = 0;
    virtual void end() = 0;
    // Records that the condition holds, or not, and says so unless inside start(). `why`
    // goes with a lapse.
    void setHolds(bool holds, const QString &why = QString());

private:
    bool m_holds = false;
    bool m_quietly = false;
};
