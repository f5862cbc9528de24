// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtest.h"

#include "window/smallcontrolstyle.h"
#include "window/start/spanish.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>

using namespace quorlin;
using namespace quorlin::testing;
using namespace Qt::StringLiterals;

namespace {

// The Debian release this runs on, 0 elsewhere.
int debianRelease()
{
    QFile file(u"/etc/os-release"_s);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    bool debian = false;
    int release = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line == "ID=debian")
            debian = true;
        else if (line.startsWith("VERSION_ID="))
            release = line.mid(11).replace('"', "").toInt();
    }
    return debian ? release : 0;
}

// The control as it shows on screen, children included, on a transparent ground, with the
// given colour for text and arrows.
QImage drawn(QWidget& widget, const QColor& foreground)
{
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(role, foreground);
    widget.setPalette(palette);
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// The pixels that the foreground colour paints: the value and the arrow.
QRegion foreground(QWidget& widget)
{
    const QImage red = drawn(widget, Qt::red);
    const QImage green = drawn(widget, Qt::green);
    QRegion painted;
    for (int y = 0; y < red.height(); ++y)
        for (int x = 0; x < red.width(); ++x)
            if (red.pixel(x, y) != green.pixel(x, y))
                painted += QRect(x, y, 1, 1);
    return painted;
}

} // namespace

class StylesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installSpanish(*QCoreApplication::instance()); }
    void controlsKeepTheirParts_data();
    void controlsKeepTheirParts();
    void partsAreWhole();
};

void StylesTest::controlsKeepTheirParts_data()
{
    QTest::addColumn<int>("firstRelease");
    // The Debian release from which the style's package exists; 0: built into Qt.
    QTest::newRow("Fusion") << 0;
    QTest::newRow("Windows") << 0;
#ifdef Q_OS_WIN
    // Windows 10's and Windows 11's own styles, built into Qt for Windows.
    QTest::newRow("windowsvista") << 0;
    QTest::newRow("windows11") << 0;
#else
    QTest::newRow("Breeze") << 13;
    QTest::newRow("Adwaita") << 12;
    QTest::newRow("Adwaita-Dark") << 12;
#endif
}

// Under each desktop style, chosen as a user does, in a process of its own: the window's parts
// in partsAreWhole.
void StylesTest::controlsKeepTheirParts()
{
    QFETCH(int, firstRelease);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    if (!QStyleFactory::keys().contains(name, Qt::CaseInsensitive)) {
        const int release = debianRelease();
        if (firstRelease == 0 || (release != 0 && release >= firstRelease))
            QFAIL(qPrintable(u"%1 is not installed (scripts/install-deps test)"_s.arg(name)));
        QSKIP(qPrintable(u"%1 does not exist on this release"_s.arg(name)));
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_STYLE_OVERRIDE"_s, name);
    child.setProcessEnvironment(environment);
    // The child's log goes to a file: under Wine a Windows program's standard output does not
    // reach a pipe.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString log = folder.filePath(u"partsAreWhole.txt"_s);
    child.start(
        QCoreApplication::applicationFilePath(), { u"partsAreWhole"_s, u"-o"_s, log + u",txt"_s });
    QVERIFY(child.waitForFinished(60000));
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray output = file.readAll();
    QVERIFY2(output.contains("PASS   : StylesTest::partsAreWhole()"), output.constData());
    QVERIFY2(
        child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
}

// Under the application's style: every list keeps a field for "32767" and an arrow, each drawn
// whole where the style says it is; the check box keeps a square indicator inside it, drawn as a
// box (a round one leaves the corners of its square bare).
void StylesTest::partsAreWhole()
{
    Running running;

    for (Control control :
        { Control::cmbCaras, Control::cmbMinimo, Control::cmbDificultad, Control::cmbTiradas }) {
        const char* list = controlName(control).data();
        QComboBox* combo = running.combo(QLatin1String(list));
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const auto part = [&](QStyle::SubControl sub) {
            return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, sub, combo);
        };
        const QRect arrow = part(QStyle::SC_ComboBoxArrow);
        const QRect field = part(QStyle::SC_ComboBoxEditField);
        QVERIFY2(!arrow.isEmpty() && combo->rect().contains(arrow), list);
        QVERIFY2(combo->rect().contains(field) && !field.intersects(arrow), list);
        // An editable field keeps 2 px each side and a cursor.
        const int value
            = QFontMetrics(combo->font()).horizontalAdvance(SmallControlStyle::widestValue());
        QVERIFY2(value + 5 <= field.width(),
            qPrintable(u"%1: %2 px for %3 px"_s.arg(list).arg(value).arg(field.width())));

        // As drawn, first empty, then with the widest value: in its place an arrow that points
        // down, wider than tall (not a dash, a tick or a filled button), the value (and the
        // caret) in the field, neither over the other.
        running.state().setText(control, u"");
        const QRegion empty = foreground(*combo);
        const QRect arrowBox = (empty & arrow).boundingRect();
        QVERIFY2(arrowBox.height() >= 3 && arrowBox.width() > arrowBox.height(),
            qPrintable(
                u"%1: arrow drawn %2x%3"_s.arg(list).arg(arrowBox.width()).arg(arrowBox.height())));
        running.state().insertItem(control, SmallControlStyle::widestValue().toStdU16String(), 0);
        running.state().setText(control, SmallControlStyle::widestValue().toStdU16String());
        const QRegion full = foreground(*combo);
        QCOMPARE(full & arrow, empty & arrow);
        const QRect valueBox = (full - arrow).boundingRect();
        QVERIFY2(field.contains(valueBox) && valueBox.width() >= value - 2,
            qPrintable(u"%1: value drawn in %2,%3 %4x%5 of %6 px"_s.arg(list)
                           .arg(valueBox.x())
                           .arg(valueBox.y())
                           .arg(valueBox.width())
                           .arg(valueBox.height())
                           .arg(value)));
    }

    auto* check = running.find<QCheckBox>(u"chkPersonaje"_s);
    QStyleOptionButton option;
    option.initFrom(check);
    const QRect indicator
        = check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
    QVERIFY(check->rect().contains(indicator));
    QCOMPARE(indicator.width(), indicator.height());

    QImage box(check->size(), QImage::Format_ARGB32_Premultiplied);
    box.fill(Qt::transparent);
    check->render(&box, {}, {}, QWidget::DrawChildren);
    const QRect inner = indicator.adjusted(1, 1, -1, -1);
    for (const QPoint corner :
        { inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight() })
        QVERIFY2(qAlpha(box.pixel(corner)) > 0, "the check box is not drawn as a square box");
}

QTEST_MAIN(StylesTest)

#include "styles_test.moc"
