#include "ui/TimeField.h"

#include <QApplication>
#include <QFocusEvent>

TimeField::TimeField(int index, QWidget *parent) : QLineEdit(parent), m_index(index)
{
    connect(this, &QLineEdit::textChanged, this, [this] { emit change(m_index); });
}

void TimeField::setBackColor(const QColor &colour)
{
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, colour);
    setPalette(pal);
}

QColor TimeField::backColor() const
{
    return palette().color(QPalette::Active, QPalette::Base);
}

void TimeField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const auto reason = event->reason();
    const bool movedByUser = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                             reason == Qt::MouseFocusReason;
    // A field disabled while it has the focus hands it on with a Tab reason; that is the
    // program's doing, not the user leaving the field.
    if (!movedByUser || !isEnabled())
        return;
    QWidget *next = QApplication::focusWidget();
    if (!next || next == this || next->window() != window())
        return;
    bool cancel = false;
    emit validate(m_index, &cancel);
    if (cancel)
        setFocus(Qt::OtherFocusReason);
}
