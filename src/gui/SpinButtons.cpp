#include "gui/SpinButtons.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

// Without an interface of its own a custom-painted widget reaches a screen reader as an
// unnamed filler; this one is a spin button with a value and increase/decrease actions.
class SpinButtonsAccessible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpinButtonsAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::SpinBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(spinner()->value());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        if (!widget()->isEnabled())
            return {};
        return {increaseAction(), decreaseAction()};
    }
    void doAction(const QString &name) override
    {
        if (!widget()->isEnabled())
            return;
        if (name == increaseAction())
            spinner()->stepBy(1);
        else if (name == decreaseAction())
            spinner()->stepBy(-1);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    QVariant currentValue() const override { return spinner()->value(); }
    void setCurrentValue(const QVariant &value) override { spinner()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return spinner()->maximum(); }
    QVariant minimumValue() const override { return spinner()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    SpinButtons *spinner() const { return static_cast<SpinButtons *>(widget()); }
};

QAccessibleInterface *spinButtonsFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("SpinButtons") && object && object->isWidgetType())
        return new SpinButtonsAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

constexpr int RepeatDelayMs = 400;
constexpr int RepeatIntervalMs = 80;

} // namespace

SpinButtons::SpinButtons(int minimum, int maximum, QWidget *parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(std::max(minimum, maximum)), m_value(minimum)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(spinButtonsFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void SpinButtons::setValue(int value)
{
    value = std::clamp(value, m_minimum, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_value);
        QAccessible::updateAccessibility(&event);
    }
    emit valueChanged(m_value);
}

void SpinButtons::stepBy(int steps)
{
    // Widened so that stepping near the int limits cannot overflow.
    const long long target = static_cast<long long>(m_value) + steps;
    setValue(static_cast<int>(std::clamp<long long>(target, m_minimum, m_maximum)));
}

QSize SpinButtons::sizeHint() const
{
    return {16, 19};
}

QRect SpinButtons::partRect(Part part) const
{
    const int upHeight = height() / 2;
    if (part == Part::Up)
        return {0, 0, width(), upHeight};
    if (part == Part::Down)
        return {0, upHeight, width(), height() - upHeight};
    return {};
}

SpinButtons::Part SpinButtons::partAt(const QPoint &pos) const
{
    if (partRect(Part::Up).contains(pos))
        return Part::Up;
    if (partRect(Part::Down).contains(pos))
        return Part::Down;
    return Part::None;
}

void SpinButtons::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    // Asking the server for the pointer is a round trip: only when it is over the spinner,
    // and once for both arrows, so a repaint by the countdown wakes nothing else.
    const QPoint pointer = underMouse() ? mapFromGlobal(QCursor::pos()) : QPoint(-1, -1);
    for (Part part : {Part::Up, Part::Down}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = partRect(part);
        const bool atEnd = part == Part::Up ? m_value >= m_maximum : m_value <= m_minimum;
        if (m_pressed == part)
            button.state |= QStyle::State_Sunken;
        else
            button.state |= QStyle::State_Raised;
        if (!button.rect.contains(pointer))
            button.state &= ~QStyle::State_MouseOver;
        if (hasFocus())
            button.state |= QStyle::State_HasFocus;
        painter.drawControl(QStyle::CE_PushButtonBevel, button);

        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = button.rect.adjusted(3, 2, -3, -2);
        if (!isEnabled() || atEnd)
            arrow.state &= ~QStyle::State_Enabled;
        if (m_pressed == part)
            arrow.rect.translate(1, 1);
        painter.drawPrimitive(
            part == Part::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, arrow);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void SpinButtons::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = partAt(event->position().toPoint());
    if (m_pressed == Part::None)
        return;
    stepBy(m_pressed == Part::Up ? 1 : -1);
    m_repeat.start(RepeatDelayMs, this);
    update();
}

void SpinButtons::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = Part::None;
        m_repeat.stop();
        update();
    }
    QWidget::mouseReleaseEvent(event);
}

void SpinButtons::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_repeat.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (m_pressed == Part::None || !isEnabled()) {
        m_repeat.stop();
        return;
    }
    m_repeat.start(RepeatIntervalMs, this);
    stepBy(m_pressed == Part::Up ? 1 : -1);
}

void SpinButtons::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        stepBy(1);
        break;
    case Qt::Key_Down:
        stepBy(-1);
        break;
    case Qt::Key_PageUp:
        stepBy(10);
        break;
    case Qt::Key_PageDown:
        stepBy(-10);
        break;
    case Qt::Key_Home:
        setValue(m_minimum);
        break;
    case Qt::Key_End:
        setValue(m_maximum);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}

void SpinButtons::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_pressed = Part::None;
        m_repeat.stop();
    }
    QWidget::changeEvent(event);
}
