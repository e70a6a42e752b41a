#include "gui/TimeField.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>

namespace {

// WORKAROUND: QLineEdit centres its text on the text's bounding box, which the Windows font
// engine takes from the font's Windows ascent and descent. A font with tall extents (wine
// falls back to a math font when no Windows fonts are installed) makes that box several
// times the line height; centred on it, the digits are drawn above the short field and
// clipped away entirely. Top alignment places the line by its own ascent instead.
Qt::Alignment alignmentFor(const QFont &font)
{
    const QFontMetrics metrics(font);
    const bool tallBox =
        metrics.boundingRect(QStringLiteral("0123456789")).height() > metrics.height();
    return Qt::AlignLeft | (tallBox ? Qt::AlignTop : Qt::AlignVCenter);
}

// Decides again whenever the field's font changes (a font set on the window reaches it later).
class AlignmentKeeper final : public QObject
{
public:
    explicit AlignmentKeeper(QLineEdit *field) : QObject(field), m_field(field)
    {
        field->installEventFilter(this);
        field->setAlignment(alignmentFor(field->font()));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_field && event->type() == QEvent::FontChange)
            m_field->setAlignment(alignmentFor(m_field->font()));
        return false;
    }

private:
    QLineEdit *m_field;
};

} // namespace

TimeField::TimeField(QWidget *parent) : QLineEdit(parent)
{
    new AlignmentKeeper(this);
}

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
