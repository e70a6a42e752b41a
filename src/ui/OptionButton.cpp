#include "ui/OptionButton.h"

#include <QFocusEvent>

OptionButton::OptionButton(int index, const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent), m_index(index)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked)
            emit click(m_index);
    });
}

void OptionButton::setValue(bool selected)
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
    // Tab enters a frame of option buttons at its selected member, as users of option
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

VbCheckBox::VbCheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::stateChanged, this, [this] { emit click(); });
}

int VbCheckBox::Value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void VbCheckBox::setValue(int value)
{
    setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void VbCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
