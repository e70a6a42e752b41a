#pragma once

#include <QWidget>

class QLabel;
class QMenuBar;

// The menu bar's right corner: a cup while the computer is kept awake (the fixed window has
// no status line for a countdown or a time of day), then the next schedule's label. Hidden
// while neither has anything to say.
class MenuCorner final : public QWidget
{
    Q_OBJECT
public:
    // `schedules` may be null (no schedules in this window).
    MenuCorner(QMenuBar &bar, QLabel *schedules);

    // The awake note's text for the cup's tool tip and accessible name; empty: no cup.
    void setAwakeNote(const QString &note);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void drawCup();
    void place();

    QLabel *m_awake;
    QLabel *m_schedules;
    QSize m_placed; // the size hint it was placed with
    bool m_placing = false;
};
