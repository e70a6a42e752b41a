#pragma once

#include <QCheckBox>

// The Force box. Its stored value is 0 (clear), 1 (ticked) or 2 (grey, as a hand-edited
// settings file may ask); only a ticked box forces. The user toggles between clear and
// ticked only.
class ForceCheckBox final : public QCheckBox
{
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    int value() const
    {
        return checkState() == Qt::Checked ? 1 : checkState() == Qt::PartiallyChecked ? 2 : 0;
    }
    void setValue(int value)
    {
        setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    bool forces() const { return checkState() == Qt::Checked; }

protected:
    void nextCheckState() override
    {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};
