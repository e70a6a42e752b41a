#pragma once

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

// A label over its parent's plain background that repaints only itself. A see-through
// label makes every change of its text repaint the frame behind it, which some styles draw
// from a pixmap converted on worker threads: several wake-ups for one new text. This one
// keeps a copy of the parent's own drawing (without children) under it and is opaque.
class StatusLabel final : public QLabel
{
public:
    explicit StatusLabel(QWidget *parent) : QLabel(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (m_background.size() != size() * devicePixelRatioF()) {
            m_background = QPixmap(size() * devicePixelRatioF());
            m_background.setDevicePixelRatio(devicePixelRatioF());
            m_background.fill(palette().window().color());
            parentWidget()->render(&m_background, QPoint(), QRegion(geometry()),
                                   QWidget::DrawWindowBackground);
        }
        QPainter(this).drawPixmap(0, 0, m_background);
        QLabel::paintEvent(event);
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
            m_background = QPixmap();
        QLabel::changeEvent(event);
    }

private:
    QPixmap m_background;
};
