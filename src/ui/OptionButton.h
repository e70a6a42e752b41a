#pragma once

#include <QCheckBox>
#include <QRadioButton>

// An option button, exclusive within its frame, that raises its click event whenever it
// becomes selected, by the user or by assignment. Unlike a plain radio button it can be
// cleared by assignment too.
class OptionButton final : public QRadioButton
{
    Q_OBJECT
public:
    OptionButton(int index, const QString &caption, QWidget *parent);

    int index() const { return m_index; }
    bool Value() const { return isChecked(); }
    void setValue(bool selected);

signals:
    void click(int index);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    int m_index;
};

// A check box whose Value is 0 (clear), 1 (ticked) or 2 (grey) and which raises its click
// event whenever the value changes, by the user or by assignment. The user toggles
// between 0 and 1 only.
class VbCheckBox final : public QCheckBox
{
    Q_OBJECT
public:
    VbCheckBox(const QString &caption, QWidget *parent);

    int Value() const;
    void setValue(int value);

signals:
    void click();

protected:
    void nextCheckState() override;
};
