// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/windowstyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QWidget>

#include <algorithm>

namespace quorlin {

namespace {

    constexpr int comboFrame = 1;
    constexpr int comboArrowWidth = 10;

    // A number as Qt's pixmap cache keys write it: in hexadecimal, zero-padded to the type's
    // width, lowest digit first.
    QString keyDigits(quint64 value, int width)
    {
        QString digits = QString::number(value, 16).rightJustified(width, u'0');
        std::reverse(digits.begin(), digits.end());
        return digits;
    }

} // namespace

void cacheFrameBeforeFusion(const QStyle& style)
{
    if (style.name() != QStringLiteral("fusion"))
        return;
    const QString path
        = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QPixmap frame = QPixmap::fromImage(reader.read());
    if (frame.isNull())
        return;
    // The key under which QPixmap::load() looks for a file: its path, its time, its size and the
    // pixmap's type (0, a colour pixmap).
    const QFileInfo file(path);
    const auto time = static_cast<quint32>(file.lastModified().toSecsSinceEpoch());
    const auto size = static_cast<quint64>(file.size());
    QPixmapCache::insert(QStringLiteral("qt_pixmap") + file.absoluteFilePath() + keyDigits(time, 8)
            + keyDigits(size, 16) + keyDigits(0, 8),
        frame);
}

// Fusion is compiled into Qt: no plugin is loaded for it.
WindowStyle::WindowStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QString WindowStyle::widestValue() { return QStringLiteral("32767"); }

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
    QStyleHintReturn* returnData) const
{
    if (hint == QStyle::SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

int WindowStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    if ((metric == PM_IndicatorHeight || metric == PM_IndicatorWidth) && widget
        && widget->height() > 0)
        return std::min(base, widget->height());
    return base;
}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
    SubControl subControl, const QWidget* widget) const
{
    if (control != CC_ComboBox)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QRect whole = option->rect;
    switch (subControl) {
    case SC_ComboBoxArrow:
        return visualRect(option->direction, whole,
            QRect(whole.right() - comboFrame - comboArrowWidth + 1, whole.top() + comboFrame,
                comboArrowWidth, whole.height() - 2 * comboFrame));
    case SC_ComboBoxEditField:
        return visualRect(option->direction, whole,
            whole.adjusted(comboFrame, comboFrame, -comboFrame - comboArrowWidth, -comboFrame));
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

} // namespace quorlin
