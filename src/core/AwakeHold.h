#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Holds off the desktop's automatic sleep (the idle suspend) while something armed needs
// the computer awake. The user's own sleep (a menu, the lid, the power key) is never held
// off, and the screen still blanks and locks as the user set it. Whatever is held dies with
// the process: a program that ends or crashes holds nothing.
//
// Every call returns at once; the system's answers come from the event loop.
class AwakeHold : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Takes the hold unless it is held or on its way already; `reason` is what the desktop
    // lists as the reason.
    virtual void hold(const QString &reason) = 0;
    // Lets go of the hold, also of one still on its way (let go as soon as it comes).
    // `released` runs once nothing of it is held any more: at once when nothing was.
    virtual void release(std::function<void()> released) = 0;
    // What holds it now ("GNOME session manager"); empty while nothing does.
    virtual QString holder() const = 0;
    // Why the last hold could not be taken; empty when it was, or none was asked for.
    virtual QString problem() const = 0;

signals:
    // holder() or problem() changed.
    void changed();
};
