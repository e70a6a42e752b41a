#include "gui/OptionButton.h"

#include <QFocusEvent>

OptionButton::OptionButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent)
{
}

void OptionButton::setSelected(bool selected)
{
    if (selected) {
        setChecked(true);
        return;
    }
    // An auto-exclusive button refuses to be cleared; lift that for the assignment.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

void OptionButton::focusInEvent(QFocusEvent *event)
{
    // Tab enters a group of option buttons at its selected member, as users of option
    // groups expect; Qt would stop at whichever member comes first in the chain.
    const auto reason = event->reason();
    if (!isChecked() && autoExclusive() &&
        (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
        const auto siblings =
            parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
        for (OptionButton *sibling : siblings) {
            if (sibling->isChecked() && sibling->isEnabled()) {
                sibling->setFocus(reason);
                return;
            }
        }
    }
    QRadioButton::focusInEvent(event);
}
