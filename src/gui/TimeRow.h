#pragma once

#include "core/FieldCheck.h"

#include <QObject>
#include <QString>

#include <array>

class DesignLayout;
class QLabel;
class QWidget;
class SpinButtons;
class TimeField;

// One row of the time settings: hours, minutes and seconds fields, each with its spin
// buttons and its unit label. A field is checked when the user leaves it; the spin buttons
// write their value into their field, never the other way round.
class TimeRow final : public QObject
{
    Q_OBJECT
public:
    // Creates the controls inside `parent`, placed at `top` (twips) through `layout`.
    TimeRow(TimeMode kind, QWidget *parent, DesignLayout &layout, int top);

    std::array<QString, 3> texts() const;
    void setTexts(const std::array<QString, 3> &texts);
    void setText(int index, const QString &text);
    // Stored texts: each field takes its text, then its spin buttons the value it stands
    // for; spin buttons whose value changes write it back into their field.
    void load(const std::array<QString, 3> &texts);
    // The row in use is enabled with a window background, the other greyed with the
    // button face.
    void setActive(bool active);
    void setEnabled(bool enabled);
    void setVisible(bool visible);

    TimeField *field(int index) const { return m_fields[static_cast<std::size_t>(index)]; }
    SpinButtons *spinner(int index) const { return m_spinners[static_cast<std::size_t>(index)]; }

signals:
    // A field's text or a spinner's value changed, by the user or by assignment.
    void edited();

private:
    void onFieldLeft(int index);

    TimeMode m_kind;
    std::array<TimeField *, 3> m_fields{};
    std::array<SpinButtons *, 3> m_spinners{};
    std::array<QLabel *, 3> m_labels{};
};
