#pragma once

#include <QLineEdit>

// A text box that asks for validation when the focus is about to move from it to another
// control of the same window by Tab, Backtab or a mouse click. A menu, a window switch, a
// timer tick, an accessibility action or a programmatic focus change ask for none. Changes
// by assignment raise textChanged like typed ones.
class TimeField final : public QLineEdit
{
    Q_OBJECT
public:
    explicit TimeField(QWidget *parent);

    void setBaseColour(const QColor &colour);
    QColor baseColour() const;

signals:
    void validate();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
