#pragma once

#include <QRadioButton>

// A radio button, exclusive within its parent, that can also be cleared by assignment, and
// that Tab enters at the selected member of its group.
class OptionButton final : public QRadioButton
{
    Q_OBJECT
public:
    OptionButton(const QString &caption, QWidget *parent);

    void setSelected(bool selected);

protected:
    void focusInEvent(QFocusEvent *event) override;
};
