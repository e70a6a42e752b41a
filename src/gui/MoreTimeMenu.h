#pragma once

#include <QMenu>

// More time for what is armed: +10 minutes, +30 minutes, +1 hour, and Other… (a small
// dialog asking H:MM). One menu for each place that offers it (the window's Stop row, the
// icon's menu, the warning window); chosen() says how much was asked for.
class MoreTimeMenu final : public QMenu
{
    Q_OBJECT
public:
    explicit MoreTimeMenu(QWidget *parent);

signals:
    void chosen(int seconds);

private:
    void askOther();
};
