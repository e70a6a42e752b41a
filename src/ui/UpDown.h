#pragma once

#include <QBasicTimer>
#include <QWidget>

// An up-down spinner: two arrow buttons and a whole value of its own between a minimum and
// a maximum, step 1, no text. It stops at either end. It raises its change event when the
// user steps it and when a different value is assigned.
class UpDown final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY change)
public:
    UpDown(int index, int minimum, int maximum, QWidget *parent);

    int index() const { return m_index; }
    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // Values outside the range are clamped into it.
    void setValue(int value);
    void stepBy(int steps);

    QSize sizeHint() const override;

signals:
    void change(int index);

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

    int m_index;
    int m_minimum;
    int m_maximum;
    int m_value;
    Part m_pressed = Part::None;
    QBasicTimer m_repeat;
};
