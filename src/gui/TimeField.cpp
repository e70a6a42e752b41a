#include "gui/TimeField.h"

#include <QApplication>
#include <QFocusEvent>

TimeField::TimeField(QWidget *parent) : QLineEdit(parent) {}

void TimeField::setBaseColour(const QColor &colour)
{
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, colour);
    setPalette(pal);
}

QColor TimeField::baseColour() const
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
    const QWidget *next = QApplication::focusWidget();
    if (!next || next == this || next->window() != window())
        return;
    emit validate();
}
