// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/smallcontrolstyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComplex>
#include <QStyleOptionFrame>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quorlin {

namespace {

    constexpr int comboFrame = 1;
    constexpr int comboArrowWidth = 10;
    // What an arrow may give up for the field, and what the field keeps beside the widest
    // value: 2 px each side and a cursor.
    constexpr int narrowestComboArrow = 8;
    constexpr int fieldRoomBesideValue = 5;
    // WCAG 2.1 asks 3:1 of a control's edge against what surrounds it; the margin covers the
    // blending of rounded corners.
    constexpr double edgeContrast = 3.4;
    // Fusion's outline is its window colour darkened by this factor; the check box's box is
    // that outline lightened by the second.
    constexpr int fusionOutlineFactor = 140;
    constexpr int fusionCheckBoxFactor = 110;

    // A font drawn with whole-pixel advances (Windows) makes the widest value a pixel wider than
    // one drawn with fractional advances: the arrow then yields that pixel to the field.
    int arrowWidth(const QStyleOptionComplex& option)
    {
        const int value = option.fontMetrics.horizontalAdvance(SmallControlStyle::widestValue());
        const int spare = option.rect.width() - 2 * comboFrame - value - fieldRoomBesideValue;
        return std::clamp(spare, narrowestComboArrow, comboArrowWidth);
    }

    // WCAG 2.1 relative luminance.
    double luminance(const QColor& colour)
    {
        const auto channel = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
            + 0.0722 * channel(colour.blueF());
    }

    double contrast(const QColor& a, const QColor& b)
    {
        const double first = luminance(a);
        const double second = luminance(b);
        return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
    }

    QColor mixed(const QColor& from, const QColor& to, double share)
    {
        return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
    }

    // Fusion's outline of window, moved towards black on a light window and towards white on
    // a dark one until it stands out enough; its hue stays.
    QColor visibleEdge(const QColor& window)
    {
        const double light = luminance(window);
        const QColor goal = (light + 0.05) / 0.05 > 1.05 / (light + 0.05) ? Qt::black : Qt::white;
        QColor edge = window.darker(fusionOutlineFactor);
        const auto standsOut = [&] {
            return contrast(edge, window) >= edgeContrast
                && contrast(edge.lighter(fusionCheckBoxFactor), window) >= edgeContrast;
        };
        for (int step = 0; step < 20 && !standsOut(); ++step)
            edge = mixed(edge, goal, 0.1);
        return edge;
    }

    template <typename Option>
    Option withPalette(const QStyleOption* option, const QPalette& palette)
    {
        Option copy = *qstyleoption_cast<const Option*>(option);
        copy.palette = palette;
        return copy;
    }

} // namespace

// Fusion is compiled into Qt: no plugin is loaded for it.
SmallControlStyle::SmallControlStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QString SmallControlStyle::widestValue() { return QStringLiteral("32767"); }

void SmallControlStyle::fitField(QLineEdit& field)
{
    // The field of an editable combo box has no frame of its own.
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = 0;
    const QRect contents = field.style()->subElementRect(SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    const int room = contents.width() - margins.left() - margins.right();
    if (field.fontMetrics().horizontalAdvance(widestValue()) + fieldRoomBesideValue > room)
        field.setStyle(this);
}

int SmallControlStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
    QStyleHintReturn* returnData) const
{
    if (hint == QStyle::SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

int SmallControlStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    if ((metric == PM_IndicatorHeight || metric == PM_IndicatorWidth) && widget
        && widget->height() > 0)
        return std::min(base, widget->height());
    return base;
}

QRect SmallControlStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
    SubControl subControl, const QWidget* widget) const
{
    if (control != CC_ComboBox)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QRect whole = option->rect;
    const int arrow = arrowWidth(*option);
    switch (subControl) {
    case SC_ComboBoxArrow:
        return visualRect(option->direction, whole,
            QRect(whole.right() - comboFrame - arrow + 1, whole.top() + comboFrame, arrow,
                whole.height() - 2 * comboFrame));
    case SC_ComboBoxEditField:
        return visualRect(option->direction, whole,
            whole.adjusted(comboFrame, comboFrame, -comboFrame - arrow, -comboFrame));
    case SC_ComboBoxListBoxPopup: {
        // The open list takes the value's width, the items' margins, its scroll bar and its
        // frame; it never gets narrower than the combo box. The list is the desktop style's,
        // not this one's: its parts are measured there.
        const auto* combo = qobject_cast<const QComboBox*>(widget);
        const QWidget* list = combo ? combo->view() : widget;
        const QStyle* listStyle = list ? list->style() : this;
        const int itemMargins
            = 2 * (listStyle->pixelMetric(PM_FocusFrameHMargin, option, list) + 1);
        const int needed = option->fontMetrics.horizontalAdvance(widestValue()) + itemMargins
            + listStyle->pixelMetric(PM_ScrollBarExtent, option, list)
            + 2 * listStyle->pixelMetric(PM_DefaultFrameWidth, option, list) + 2;
        QRect popup = QProxyStyle::subControlRect(control, option, subControl, widget);
        popup.setWidth(std::max(popup.width(), needed));
        return popup;
    }
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

void SmallControlStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    if (element == PE_IndicatorCheckBox && qstyleoption_cast<const QStyleOptionButton*>(option)) {
        const auto box = withPalette<QStyleOptionButton>(option, withVisibleEdges(option->palette));
        QProxyStyle::drawPrimitive(element, &box, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// Fusion draws a list's frame, field and arrow through this style again: the adjusted palette
// reaches every part.
void SmallControlStyle::drawComplexControl(ComplexControl control,
    const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    if (control == CC_ComboBox && qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
        const auto list
            = withPalette<QStyleOptionComboBox>(option, withVisibleEdges(option->palette));
        QProxyStyle::drawComplexControl(control, &list, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

const QPalette& SmallControlStyle::withVisibleEdges(const QPalette& palette) const
{
    if (palette.cacheKey() == m_edgesFor)
        return m_withEdges;
    m_withEdges = palette;
    for (QPalette::ColorGroup group :
        { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        const QColor edge = visibleEdge(palette.color(group, QPalette::Window));
        m_withEdges.setColor(group, QPalette::Window, edge.lighter(fusionOutlineFactor));
    }
    m_edgesFor = palette.cacheKey();
    return m_withEdges;
}

} // namespace quorlin
