// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>
#include <QProxyStyle>

class QLineEdit;

namespace quorlin {

/// The look of the window's small controls (its lists and its check box) at their fixed sizes.
/// They are drawn by Fusion, built into Qt, whatever the desktop's style, and in the desktop's
/// palette: a desktop style's own frames, arrows and round indicators do not fit a 46 x 19 list
/// or a 13 px check box. The rest of the window keeps the desktop's style.
/// - a drop-down list opens as a list below its field, as tall as ten items, never as a menu
///   (which would measure every one of up to 32767 items on each opening);
/// - a combo box keeps a one-pixel frame and a narrow arrow, so that its field shows "32767"
///   whole, and its open list is wide enough for "32767" beside the list's scroll bar;
/// - a check box's indicator is a square never taller than the check box, so it is drawn whole;
/// - an open list measures its scroll bar and item margins in the style that draws them;
/// - a list's frame and the check box's box are outlined in a colour that stands out from the
///   window's by 3:1 at least, in light and dark palettes alike.
class SmallControlStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    SmallControlStyle();

    /// The widest value a list or the faces field can hold.
    static QString widestValue();

    /// Draws an editable list's field with this style too where the field's own style keeps
    /// too much of its width free to show widestValue() whole (Windows 11's keeps 4 px each side).
    void fitField(QLineEdit& field);

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* returnData) const override;
    int pixelMetric(
        PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
        SubControl subControl, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
        QPainter* painter, const QWidget* widget) const override;

private:
    /// palette, its window colour changed so that Fusion, which outlines a control in the window
    /// colour darkened, draws edges that stand out from the real window colour.
    const QPalette& withVisibleEdges(const QPalette& palette) const;

    // The last palette adjusted, by its cache key, and the result: the same palette gives the
    // same drawing, and Fusion's cache of drawn lists keeps working.
    mutable qint64 m_edgesFor = 0;
    mutable QPalette m_withEdges;
};

} // namespace quorlin
