// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtest.h"

#include "tests/support/darkpalette.h"

#include <QCheckBox>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

using namespace quorlin;
using namespace quorlin::testing;
using namespace Qt::StringLiterals;

namespace {

// WCAG 2.1 relative luminance of an sRGB colour.
double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb))
        + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// How far the edge of box (window coordinates) stands out from what surrounds it: on its left
// side and its top side, through their middles, the outermost two pixels against the one two
// pixels outside; the weaker side counts.
double edgeContrast(const QImage& window, const QRect& box)
{
    double weakest = 1e9;
    for (const auto& [outside, inward] :
        { std::pair { QPoint(box.left() - 2, box.center().y()), QPoint(1, 0) },
            std::pair { QPoint(box.center().x(), box.top() - 2), QPoint(0, 1) } }) {
        const QRgb surround = window.pixel(outside);
        double edge = 1;
        for (int step = 2; step <= 3; ++step)
            edge = std::max(edge, contrast(surround, window.pixel(outside + step * inward)));
        weakest = std::min(weakest, edge);
    }
    return weakest;
}

} // namespace

class ContrastTest : public QObject
{
    Q_OBJECT

private slots:
    void edgesStandOut_data();
    void edgesStandOut();
};

void ContrastTest::edgesStandOut_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("darkDesktop");
    // The styles of the style gallery, each in the palette that its tile shows.
    for (const QString& style : { u"Fusion"_s, u"Windows"_s, u"Breeze"_s }) {
        QTest::addRow("%s", qPrintable(style)) << style << false;
        QTest::addRow("%s, dark desktop", qPrintable(style)) << style << true;
    }
    QTest::newRow("Adwaita") << u"Adwaita"_s << false;
    QTest::newRow("Adwaita-Dark") << u"Adwaita-Dark"_s << false;
}

// Each list's frame and the check box's box stand out from the window around them by 3:1 at
// least (WCAG 2.1, non-text contrast), in every style and palette, as drawn on screen.
void ContrastTest::edgesStandOut()
{
    QFETCH(QString, style);
    QFETCH(bool, darkDesktop);
    if (!QStyleFactory::keys().contains(style, Qt::CaseInsensitive))
        QSKIP(qPrintable(
            u"%1 is not installed (window_styles says whether it should be)"_s.arg(style)));
    QApplication::setStyle(style);
    QApplication::setPalette(
        darkDesktop ? darkDesktopPalette() : QApplication::style()->standardPalette());
    Running running;
    running.state().editField(Control::cmbCaras, u"20");
    running.find(u"txtResultado"_s)->setFocus();
    QCoreApplication::processEvents();
    const QImage window = running.window().grab().toImage();

    const auto inWindow = [&](const QWidget* widget, const QRect& rect) {
        return QRect(widget->mapTo(&running.window(), rect.topLeft()), rect.size());
    };
    auto* check = running.find<QCheckBox>(u"chkPersonaje"_s);
    QStyleOptionButton option;
    option.initFrom(check);
    const QRect indicator = inWindow(
        check, check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check));
    double weakest = edgeContrast(window, indicator);
    QString figures = u"check box %1:1"_s.arg(weakest, 0, 'f', 2);
    for (const char* list : { "cmbCaras", "cmbMinimo", "cmbDificultad", "cmbTiradas" }) {
        const QComboBox* combo = running.combo(QLatin1String(list));
        const double figure = edgeContrast(window, inWindow(combo, combo->rect()));
        figures += u", %1 %2:1"_s.arg(QLatin1String(list)).arg(figure, 0, 'f', 2);
        weakest = std::min(weakest, figure);
    }
    qInfo("%s", qPrintable(figures));
    QVERIFY2(weakest >= 3.0, qPrintable(figures));
}

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
