#pragma once

#include <QObject>
#include <QString>

#include <functional>

// A desktop notification with its actions, Postpone and Cancel, where the desktop offers
// actions. At most one is open at a time; showing another replaces it.
class Notifier : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // `done(false)` when no notification server took it: the caller says it another way.
    // `postpone` is the Postpone action's caption; empty, the notification offers Cancel
    // alone.
    virtual void show(const QString &text, const QString &postpone,
                      std::function<void(bool shown)> done) = 0;
    virtual void close() = 0;
    // Whether a warning shown from now on asks for the desktop's notification sound; the
    // desktop decides whether it is heard.
    void setSound(bool on) { m_sound = on; }
    bool sound() const { return m_sound; }

signals:
    void postponeRequested();
    void cancelRequested();

private:
    bool m_sound = false;
};
