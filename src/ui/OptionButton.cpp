#include "ui/OptionButton.h"

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
