#pragma once

#include "gui/SystemColours.h"

#include <QPainter>
#include <QWidget>

// A straight one-pixel line drawn in a system colour.
class SeparatorLine final : public QWidget
{
public:
    SeparatorLine(unsigned colour, QWidget *parent) : QWidget(parent), m_colour(colour)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), SystemColour::resolve(m_colour, palette()));
    }

private:
    unsigned m_colour;
};
