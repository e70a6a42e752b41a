#pragma once

#include <QLineEdit>

// A text box that raises a change event on every change of its text (typed or assigned)
// and a validate event when the focus is about to move from it to another control of the
// same window by Tab, Backtab or a mouse click. A menu, a window switch, a timer tick, an
// accessibility action or a programmatic focus change raise no validate event.
class TimeField final : public QLineEdit
{
    Q_OBJECT
public:
    TimeField(int index, QWidget *parent);

    int index() const { return m_index; }
    void setBackColor(const QColor &colour);
    QColor backColor() const;

signals:
    void change(int index);
    void validate(int index, bool *cancel);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_index;
};
