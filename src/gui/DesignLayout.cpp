#include "gui/DesignLayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {

double averageCharWidth(const QFont &font)
{
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QFontMetricsF(font).horizontalAdvance(letters) / letters.size();
}

} // namespace

void DesignLayout::add(QWidget *widget, const QRect &twips, bool captioned)
{
    m_items.append({widget, twips, captioned});
}

int DesignLayout::toPixels(int twips) const
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel * m_scale));
}

QSize DesignLayout::captionSize(const QWidget *widget)
{
    const QFontMetrics fm(widget->font());
    if (auto label = qobject_cast<const QLabel *>(widget)) {
        if (label->wordWrap())
            return {0, 0}; // wraps into whatever width it gets
        return {fm.horizontalAdvance(label->text()) + 2 * label->margin(), fm.height()};
    }
    if (auto box = qobject_cast<const QGroupBox *>(widget))
        return {fm.horizontalAdvance(box->title()) + 4 * fm.averageCharWidth(), fm.height()};
    if (qobject_cast<const QRadioButton *>(widget) || qobject_cast<const QCheckBox *>(widget)) {
        const auto button = static_cast<const QAbstractButton *>(widget);
        const bool radio = qobject_cast<const QRadioButton *>(widget) != nullptr;
        QStyleOption option;
        option.initFrom(widget);
        const QStyle *style = widget->style();
        const int indicator = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                                       : QStyle::PM_IndicatorWidth,
                                                 &option, widget);
        const int spacing = style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                     : QStyle::PM_CheckBoxLabelSpacing,
                                               &option, widget);
        const int indicatorHeight = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorHeight
                                                             : QStyle::PM_IndicatorHeight,
                                                       &option, widget);
        return {indicator + spacing + fm.horizontalAdvance(button->text()) + 4,
                std::max(fm.height(), indicatorHeight)};
    }
    if (auto button = qobject_cast<const QPushButton *>(widget)) {
        if (button->text().isEmpty())
            return button->iconSize() + QSize(4, 4);
        return {fm.horizontalAdvance(button->text()) + 2 * fm.averageCharWidth(), fm.height() + 4};
    }
    return {0, 0};
}

double DesignLayout::apply()
{
    double scale = 1.0;
    if (!m_items.isEmpty()) {
        const QFont font = m_items.first().widget->window()->font();
        scale = std::max(QFontMetricsF(font).height() / DesignFontHeight,
                         averageCharWidth(font) / DesignFontAverageWidth);
    }
    for (const Item &item : std::as_const(m_items)) {
        if (!item.captioned)
            continue;
        const QSize need = captionSize(item.widget);
        const double w = item.twips.width() / TwipsPerPixel;
        const double h = item.twips.height() / TwipsPerPixel;
        if (w > 0)
            scale = std::max(scale, need.width() / w);
        if (h > 0)
            scale = std::max(scale, need.height() / h);
    }
    // A scale in steps of 1/16 keeps neighbouring edges on the same pixels.
    m_scale = std::ceil(scale * 16.0) / 16.0;
    for (const Item &item : std::as_const(m_items)) {
        const int left = toPixels(item.twips.left());
        const int top = toPixels(item.twips.top());
        const int right = toPixels(item.twips.left() + item.twips.width());
        const int bottom = toPixels(item.twips.top() + item.twips.height());
        item.widget->setGeometry(left, top, right - left, bottom - top);
    }
    return m_scale;
}
