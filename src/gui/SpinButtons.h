#pragma once

#include <QBasicTimer>
#include <QWidget>

// Two arrow buttons with a whole value of their own between a minimum and a maximum, step
// 1, no text. They stop at either end. valueChanged comes when the user steps them and
// when a different value is assigned.
class SpinButtons final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
public:
    SpinButtons(int minimum, int maximum, QWidget *parent);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // Values outside the range are clamped into it.
    void setValue(int value);
    void stepBy(int steps);

    QSize sizeHint() const override;

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    enum class Part
    {
        None,
        Up,
        Down
    };
    QRect partRect(Part part) const;
    Part partAt(const QPoint &pos) const;

    int m_minimum;
    int m_maximum;
    int m_value;
    Part m_pressed = Part::None;
    QBasicTimer m_repeat;
};
