#include "gui/MenuCorner.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>

MenuCorner::MenuCorner(QMenuBar &bar, QLabel *schedules)
    : QWidget(&bar), m_awake(new QLabel(this)), m_schedules(schedules)
{
    setObjectName(QStringLiteral("menuCorner"));
    m_awake->setObjectName(QStringLiteral("awakeIndicator"));
    auto *layout = new QHBoxLayout(this);
    // Off the window's edge by a character, as the menu titles are.
    layout->setContentsMargins(0, 0, fontMetrics().averageCharWidth(), 0);
    layout->addWidget(m_awake);
    m_awake->hide();
    m_awake->installEventFilter(this);
    if (m_schedules) {
        layout->addWidget(m_schedules);
        m_schedules->installEventFilter(this);
    }
    drawCup();
    bar.setCornerWidget(this, Qt::TopRightCorner);
    place();
}

void MenuCorner::setAwakeNote(const QString &note)
{
    if (m_awake->toolTip() == note && m_awake->isHidden() == note.isEmpty())
        return;
    m_awake->setToolTip(note);
    m_awake->setAccessibleName(note);
    m_awake->setVisible(!note.isEmpty());
}

bool MenuCorner::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // A label given a new text asks for a new layout here.
    if (event->type() == QEvent::LayoutRequest)
        place();
    return handled;
}

bool MenuCorner::eventFilter(QObject *watched, QEvent *event)
{
    // Shown or hidden, also while the corner itself is hidden (no layout request then).
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        place();
    return QWidget::eventFilter(watched, event);
}

void MenuCorner::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange)
        drawCup();
    QWidget::changeEvent(event);
}

// A cup with steam in the text's colour, as tall as a line of text: a symbolic picture that
// follows the theme, light or dark, and the font's size.
void MenuCorner::drawCup()
{
    const int side = fontMetrics().height();
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(QSize(side, side) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::WindowText), std::max(1.0, side / 11.0));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const qreal u = side / 16.0; // drawn on a 16 by 16 grid
    QPainterPath cup;
    cup.moveTo(2 * u, 7 * u);
    cup.lineTo(12 * u, 7 * u);
    cup.lineTo(11 * u, 13 * u);
    cup.quadTo(11 * u, 14.5 * u, 9.5 * u, 14.5 * u);
    cup.lineTo(4.5 * u, 14.5 * u);
    cup.quadTo(3 * u, 14.5 * u, 3 * u, 13 * u);
    cup.closeSubpath();
    painter.drawPath(cup);
    painter.drawArc(QRectF(10 * u, 8 * u, 4.5 * u, 4 * u), -90 * 16, 180 * 16);
    for (qreal x : {5.0, 8.5}) {
        QPainterPath steam;
        steam.moveTo(x * u, 5 * u);
        steam.cubicTo((x - 1.2) * u, 3.8 * u, (x + 1.2) * u, 2.6 * u, x * u, 1.2 * u);
        painter.drawPath(steam);
    }
    painter.end();
    m_awake->setPixmap(picture);
}

void MenuCorner::place()
{
    // The bar puts it at its top with the height it asks for: as tall as the menu titles, its
    // picture and text sit on their line.
    const auto *bar = static_cast<const QMenuBar *>(parentWidget());
    if (!bar->actions().isEmpty())
        setMinimumHeight(bar->actionGeometry(bar->actions().constFirst()).height());
    // WORKAROUND: the bar places its corner widget only when that is shown or hidden, or the
    // bar resized, not when its size hint changes: shown again, it gets the room it needs now
    // instead of keeping the width it had ("N" of "Next: …").
    const bool wanted = !m_awake->isHidden() || (m_schedules && !m_schedules->isHidden());
    if (m_placing || (wanted == !isHidden() && sizeHint() == m_placed))
        return;
    m_placing = true;
    m_placed = sizeHint();
    hide();
    setVisible(wanted);
    m_placing = false;
}
