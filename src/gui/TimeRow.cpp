#include "gui/TimeRow.h"

#include "core/Settings.h"
#include "gui/DesignLayout.h"
#include "gui/SpinButtons.h"
#include "gui/SystemColours.h"
#include "gui/TimeField.h"

#include <QLabel>

TimeRow::TimeRow(TimeMode kind, QWidget *parent, DesignLayout &layout, int top)
    : QObject(parent), m_kind(kind)
{
    const QString row = kind == TimeMode::Countdown ? tr("Countdown") : tr("Time of day");
    const QString units[3] = {tr("Hours"), tr("Minutes"), tr("Seconds")};
    const char *names[3] = {"Hours", "Minutes", "Seconds"};
    const QString prefix =
        kind == TimeMode::Countdown ? QStringLiteral("countdown") : QStringLiteral("clock");
    // A unit may take its column less a gap: translations run longer than "Hours".
    const int unitWidths[3] = {705, 705, 735};
    for (int i = 0; i < 3; ++i) {
        const int left = 600 + 720 * i;
        const QString unit = units[i].toLower();
        const QString name = prefix + QLatin1String(names[i]);

        auto *field = new TimeField(parent);
        field->setObjectName(name + QStringLiteral("Field"));
        field->setText(QStringLiteral("0"));
        field->setAccessibleName(row + QLatin1Char(' ') + unit);
        field->setAccessibleDescription(
            tr("%1 %2; corrected when you leave the field").arg(row, unit));
        layout.add(field, QRect(left, top, 375, 285));

        auto *spinner = new SpinButtons(0, FieldCheck::spinnerMaximum(kind, i), parent);
        spinner->setObjectName(name + QStringLiteral("Spinner"));
        spinner->setAccessibleName(row + QLatin1Char(' ') + unit + QLatin1Char(' ') +
                                   tr("spinner"));
        spinner->setAccessibleDescription(
            tr("Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off")
                .arg(row.toLower(), unit));
        layout.add(spinner, QRect(left + 360, top, 240, 285));

        auto *label = new QLabel(units[i], parent);
        label->setObjectName(name + QStringLiteral("Label"));
        label->setBuddy(field);
        layout.add(label, QRect(left, top + 300, unitWidths[i], 255), true);

        connect(field, &QLineEdit::textChanged, this, &TimeRow::edited);
        connect(field, &TimeField::validate, this, [this, i] { onFieldLeft(i); });
        connect(spinner, &SpinButtons::valueChanged, this, [this, field](int value) {
            field->setText(QString::number(value));
            emit edited();
        });
        m_fields[static_cast<std::size_t>(i)] = field;
        m_spinners[static_cast<std::size_t>(i)] = spinner;
        m_labels[static_cast<std::size_t>(i)] = label;
    }
}

std::array<QString, 3> TimeRow::texts() const
{
    return {m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text()};
}

void TimeRow::setTexts(const std::array<QString, 3> &texts)
{
    for (int i = 0; i < 3; ++i)
        setText(i, texts[static_cast<std::size_t>(i)]);
}

void TimeRow::setText(int index, const QString &text)
{
    field(index)->setText(text);
}

void TimeRow::load(const std::array<QString, 3> &texts)
{
    for (int i = 0; i < 3; ++i) {
        const QString &text = texts[static_cast<std::size_t>(i)];
        setText(i, text);
        spinner(i)->setValue(Settings::loadedSpinnerValue(text, spinner(i)->maximum()));
    }
}

void TimeRow::setActive(bool active)
{
    setEnabled(active);
    const QWidget *parent = m_fields[0]->parentWidget();
    const QColor colour = SystemColour::resolve(
        active ? SystemColour::WindowBackground : SystemColour::ButtonFace, parent->palette());
    for (auto *field : m_fields)
        field->setBaseColour(colour);
}

void TimeRow::setVisible(bool visible)
{
    for (std::size_t i = 0; i < 3; ++i) {
        m_fields[i]->setVisible(visible);
        m_spinners[i]->setVisible(visible);
        m_labels[i]->setVisible(visible);
    }
}

void TimeRow::setEnabled(bool enabled)
{
    for (auto *field : m_fields)
        field->setEnabled(enabled);
    for (auto *spinner : m_spinners)
        spinner->setEnabled(enabled);
}

void TimeRow::onFieldLeft(int index)
{
    // Each write lands in the real field at once and raises its change handling; the next
    // step of the check then reads what was written.
    FieldCheck::checkField(
        m_kind, index, [this](int i) { return field(i)->text(); },
        [this](int i, const QString &text) { field(i)->setText(text); });
}
