#pragma once

#include <QList>
#include <QRect>

class QWidget;

// Places controls from design coordinates in twips. One conversion serves the whole window:
// twips / 15 (96 dpi), times one scale that follows the dialog font and grows until every
// caption fits its control, so the window keeps its proportions and clips nothing.
class DesignLayout
{
public:
    static constexpr double TwipsPerPixel = 15.0;
    // The font the design was drawn for: 13 pixels high, 6 pixels average character width.
    static constexpr double DesignFontHeight = 13.0;
    static constexpr double DesignFontAverageWidth = 6.0;

    // captioned: the control shows text that must not be clipped.
    void add(QWidget *widget, const QRect &twips, bool captioned = false);
    // Computes the scale, sets every geometry and returns the scale.
    double apply();
    double scale() const { return m_scale; }
    int toPixels(int twips) const;

    // What one control needs to show its caption unclipped, in pixels.
    static QSize captionSize(const QWidget *widget);

private:
    struct Item
    {
        QWidget *widget;
        QRect twips;
        bool captioned;
    };
    QList<Item> m_items;
    double m_scale = 1.0;
};
