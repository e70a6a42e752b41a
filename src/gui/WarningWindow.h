#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The warning before the action where no notification with actions can be shown: a small
// window on top, in the corner where notifications appear, with the action, the time left,
// Postpone and Cancel. It never takes the keyboard focus from what the user is typing (a key
// press must not cancel or postpone by accident); a click, or switching to it, reaches its
// buttons, and a screen reader hears it as an alert.
class WarningWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit WarningWindow(QWidget *parent = nullptr);

    // Shows `text` without taking the focus; an empty `postpone` leaves Cancel alone.
    void present(const QString &text, const QString &postpone);
    // The text as the seconds run down; nothing when withdrawn.
    void setText(const QString &text);
    void withdraw();

signals:
    void postponeClicked();
    void cancelClicked();

private:
    void place();

    QLabel *m_text = nullptr;
    QPushButton *m_postpone = nullptr;
    QPushButton *m_cancel = nullptr;
};
