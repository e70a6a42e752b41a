#pragma once

#include <QWidget>

class ArmingService;
class QLabel;
class QPushButton;

// The warning before the action where no notification with actions can be shown: a small
// window on top, in the corner where notifications appear, with the action, the time left,
// more time and Cancel. It never takes the keyboard focus from what the user is typing (a key
// press must not cancel or postpone by accident); a click, or switching to it, reaches its
// buttons, and a screen reader hears it as an alert. It shows what the arming service hands to
// the window instead of a notification: every item in its warning minute, with "+10 minutes"
// and the other choices of more time, or
// why a wait began again, with Cancel alone; Cancel stops everything it shows. It goes when
// nothing is in its warning minute any more.
class WarningWindow final : public QWidget
{
    Q_OBJECT
public:
    WarningWindow(ArmingService &service, QWidget *parent);

    // Shows `text` without taking the focus, with the desktop's alert sound where the user
    // asked for it; an empty `postpone` leaves Cancel alone.
    void present(const QString &text, const QString &postpone);
    // The text as the seconds run down; nothing when withdrawn.
    void setText(const QString &text);
    void withdraw();

private:
    void place();

    ArmingService &m_service;

    QLabel *m_text = nullptr;
    QPushButton *m_postpone = nullptr;
    QPushButton *m_moreTime = nullptr;
    QPushButton *m_cancel = nullptr;
};
