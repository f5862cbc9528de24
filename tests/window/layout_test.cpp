// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtest.h"

#include "window/icon.h"
#include "window/smallcontrolstyle.h"
#include "window/start/spanish.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

using namespace quorlin;
using namespace quorlin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(quorlin::Control)

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installSpanish(*QCoreApplication::instance()); }
    void controls_data();
    void controls();
    void clientAreaAndFont();
    void reportLineStandsOnOneRow_data();
    void reportLineStandsOnOneRow();
    void widestValueReadsWhole_data();
    void widestValueReadsWhole();
    void listsAtBuild();
    void programOperationsReachTheirControls();
    void objectsReportTheirOwnClass();
    void iconSizeIsItsOwnPicture_data();
    void iconSizeIsItsOwnPicture();
};

void LayoutTest::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("accessibleName");

    const QString window = u"frm_TirarDados"_s;
    const QString frame = u"FrameDatos"_s;
    // Pixels: each twips value divided by 15 and rounded to the nearest.
    QTest::newRow("FrameDatos 0,0 2676x2076")
        << "frame" << window << u"Configuración del Dado"_s << QRect(0, 0, 178, 138) << "";
    QTest::newRow("Label1 144,360 1188x288")
        << "label" << frame << u"&Caras del Dado"_s << QRect(10, 24, 79, 19) << "";
    QTest::newRow("cmbCaras 1704,315 690x288")
        << "editable combo" << frame << "" << QRect(114, 21, 46, 19) << "Caras del Dado";
    QTest::newRow("Label2 144,720 1188x288")
        << "label" << frame << u"Tirada &Mínima"_s << QRect(10, 48, 79, 19) << "";
    QTest::newRow("cmbMinimo 1704,675 690x288")
        << "list" << frame << "" << QRect(114, 45, 46, 19) << u"Tirada Mínima"_s;
    QTest::newRow("Label3 180,1116 1188x288")
        << "label" << frame << "&Dificultad" << QRect(12, 74, 79, 19) << "";
    QTest::newRow("cmbDificultad 1692,1044 690x288")
        << "list" << frame << "" << QRect(113, 70, 46, 19) << "Dificultad";
    QTest::newRow("Label4 180,1476 1188x216")
        << "label" << frame << "&Numero tiradas" << QRect(12, 98, 79, 14) << "";
    QTest::newRow("cmbTiradas 1692,1404 690x288")
        << "list" << frame << "" << QRect(113, 94, 46, 19) << "Numero tiradas";
    QTest::newRow("chkPersonaje 180,1800 1956x192")
        << "check box" << frame << "Generar personaje" << QRect(12, 120, 130, 13) << "";
    QTest::newRow("txtResultado 0,2088 2676x1416")
        << "text box" << window << "" << QRect(0, 139, 178, 94) << "Resultado de la tirada";
    QTest::newRow("cmdTirar 0,3528 1320x330")
        << "button" << window << "Tirar &Dados" << QRect(0, 235, 88, 22) << "";
    QTest::newRow("cmdSalir 1332,3528 1356x330")
        << "button" << window << "&Salir" << QRect(89, 235, 90, 22) << "";
}

// Place, size, kind and caption of each control; a caption must fit its width.
void LayoutTest::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRect, pixels);
    QFETCH(QString, accessibleName);

    Running running;
    const QString name = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 0, 0);
    QWidget* widget = running.find(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(widget->font(), FrmTirarDados::windowFont());
    QCOMPARE(widget->accessibleName(), accessibleName);

    // The width the caption's own text may take, once the control's chrome is set aside.
    int room = pixels.width();
    QString shown;
    if (kind == u"frame") {
        auto* frame = qobject_cast<QGroupBox*>(widget);
        QVERIFY(frame);
        shown = frame->title();
    } else if (kind == u"label") {
        auto* label = qobject_cast<QLabel*>(widget);
        QVERIFY(label);
        shown = label->text();
    } else if (kind == u"editable combo" || kind == u"list") {
        auto* combo = qobject_cast<QComboBox*>(widget);
        QVERIFY(combo);
        QCOMPARE(combo->isEditable(), kind == u"editable combo");
    } else if (kind == u"text box") {
        auto* box = qobject_cast<QPlainTextEdit*>(widget);
        QVERIFY(box);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(box->tabChangesFocus());
        QVERIFY(!box->isReadOnly());
    } else if (kind == u"check box") {
        auto* check = qobject_cast<QCheckBox*>(widget);
        QVERIFY(check);
        shown = check->text();
        const QStyle* style = check->style();
        room -= style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check);
        QStyleOptionButton option;
        option.initFrom(check);
        const QRect indicator = style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
        QVERIFY2(check->rect().contains(indicator), "the check box cuts its indicator");
    } else if (kind == u"button") {
        auto* button = qobject_cast<QPushButton*>(widget);
        QVERIFY(button);
        QVERIFY(!button->isDefault());
        shown = button->text();
        room -= 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    } else {
        QFAIL("unknown kind");
    }
    QCOMPARE(shown, caption);
    const int needed
        = QFontMetrics(widget->font()).horizontalAdvance(QString(caption).remove(u'&'));
    QVERIFY2(needed <= room, qPrintable(u"%1 px for %2 px"_s.arg(needed).arg(room)));
}

void LayoutTest::clientAreaAndFont()
{
    Running running;
    FrmTirarDados& window = running.window();
    QCOMPARE(window.objectName(), u"frm_TirarDados"_s);
    QCOMPARE(window.windowTitle(), u"Quorlin"_s);
    // 2688 x 3876 twips are 179.2 x 258.4 pixels, rounded to the nearest.
    QCOMPARE(window.size(), QSize(179, 258));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.isWindow());
    QCOMPARE(window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size()
            + running.find(u"FrameDatos"_s)
                  ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
                  .size(),
        13);

    // Qt's own font database on Windows files the condensed face under its typographic family,
    // "DejaVu Sans", in the style "Condensed".
    const QFontInfo font(window.font());
    const QString face = font.family() == u"DejaVu Sans"_s ? font.family() + u' ' + font.styleName()
                                                           : font.family();
    QCOMPARE(face, u"DejaVu Sans Condensed"_s);
    QCOMPARE(font.pixelSize(), 10);
}

// The widest lines a die of up to 100 faces gives, in the window's font, against the width the
// result box leaves for text.
void LayoutTest::reportLineStandsOnOneRow_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("wholePixels");
    QTest::newRow("first throw, failed") << u"Dado 1  Resultado = 07  ¡Fallo!"_s << false;
    QTest::newRow("tenth throw, failed") << u"Dado 10  Resultado = 99  ¡Fallo!"_s << false;
    QTest::newRow("tenth throw of a hundred, widest")
        << u"Dado 10  Resultado = 00  ¡Exito!"_s << false;
    // Windows draws the font with whole-pixel advances, as full hinting does here.
    QTest::newRow("widest, whole-pixel advances") << u"Dado 10  Resultado = 00  ¡Exito!"_s << true;
    QTest::newRow("tenth throw, no difficulty") << u"Dado 10  Resultado = 00"_s << false;
    QTest::newRow("ruler") << QString(45, u'-') << false;
    QTest::newRow("third series") << u"   00/00/00/00/00/00    Serie 3"_s << false;
}

void LayoutTest::reportLineStandsOnOneRow()
{
    QFETCH(QString, line);
    QFETCH(bool, wholePixels);
    Running running;
    auto* box = running.find<QPlainTextEdit>(u"txtResultado"_s);
    if (wholePixels) {
        QFont font = box->font();
        font.setHintingPreference(QFont::PreferFullHinting);
        box->setFont(font);
    }
    const int room = box->viewport()->width() - 2 * qCeil(box->document()->documentMargin());
    running.state().setText(Control::txtResultado, line.toStdU16String());
    const QTextBlock block = box->document()->firstBlock();
    box->document()->documentLayout()->blockBoundingRect(block);
    const qreal needed = block.layout()->lineAt(0).naturalTextWidth();
    QVERIFY2(block.layout()->lineCount() == 1 && needed <= room,
        qPrintable(u"%1 px for %2 px"_s.arg(needed).arg(room)));
}

void LayoutTest::widestValueReadsWhole_data()
{
    QTest::addColumn<Control>("control");
    for (Control control :
        { Control::cmbCaras, Control::cmbMinimo, Control::cmbDificultad, Control::cmbTiradas })
        QTest::newRow(controlName(control).data()) << control;
}

// "32767" in the field, where an editable field keeps 2 px each side and a cursor, and in the
// open list, where an item keeps its margins.
void LayoutTest::widestValueReadsWhole()
{
    QFETCH(Control, control);
    Running running;
    QComboBox* combo = running.combo(QString::fromLatin1(QTest::currentDataTag()));
    const QStyle* style = combo->style();
    const int value
        = QFontMetrics(combo->font()).horizontalAdvance(SmallControlStyle::widestValue());

    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field
        = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    QVERIFY2(
        value + 5 <= field.width(), qPrintable(u"%1 px for %2 px"_s.arg(value).arg(field.width())));
    if (combo->isEditable())
        QCOMPARE(combo->lineEdit()->width(), field.width());

    // Enough items for the open list to need its scroll bar.
    for (int i = 0; i < 20; ++i)
        running.state().insertItem(control, u"32767", 0);
    combo->showPopup();
    // The items are drawn in the open list's own style, the desktop's.
    const QAbstractItemView* list = combo->view();
    const int itemMargins
        = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int listRoom = list->viewport()->width() - itemMargins;
    combo->hidePopup();
    QVERIFY2(value <= listRoom, qPrintable(u"%1 px for %2 px"_s.arg(value).arg(listRoom)));
}

void LayoutTest::listsAtBuild()
{
    ScriptedRandom random({ wordForDraw(1, 4) });
    Session built(random);
    auto items = [&](const char* name) {
        QStringList texts;
        auto* combo = built.window().findChild<QComboBox*>(QLatin1String(name));
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts << u"selected %1"_s.arg(combo->currentIndex()) << combo->currentText();
    };
    QCOMPARE(items("cmbCaras"),
        QStringList({ "4", "6", "8", "10", "12", "20", "100", "selected -1", "" }));
    QCOMPARE(items("cmbTiradas"),
        QStringList({ "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "selected -1", "" }));
    QCOMPARE(items("cmbMinimo"), QStringList({ "selected -1", "" }));
    QCOMPARE(items("cmbDificultad"), QStringList({ "selected -1", "" }));
    for (QWidget* widget : built.window().findChildren<QWidget*>())
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));

    built.start();
    QCOMPARE(items("cmbTiradas").mid(10), QStringList({ "selected 0", "1" }));
    QVERIFY(!built.window().findChild<QWidget*>(u"cmbMinimo"_s)->isEnabled());
    QVERIFY(!built.window().findChild<QWidget*>(u"cmdTirar"_s)->isEnabled());
}

// A program operation shows at once and raises nothing back: a result box that echoed its text
// would store "a\nb" as "a\r\nb".
void LayoutTest::programOperationsReachTheirControls()
{
    Running running;
    RollState& state = running.state();
    QComboBox* dificultad = running.combo(u"cmbDificultad"_s);

    state.insertItem(Control::cmbDificultad, u"7", 0);
    QCOMPARE(dificultad->count(), 1);
    QCOMPARE(dificultad->currentIndex(), -1);
    state.insertItem(Control::cmbDificultad, u"5", 0);
    QCOMPARE(dificultad->itemText(0), u"5"_s);
    state.setText(Control::cmbDificultad, u"7");
    QCOMPARE(dificultad->currentText(), u"7"_s);
    state.insertItem(Control::cmbDificultad, u"3", 0);
    QCOMPARE(dificultad->currentText(), u"7"_s);
    QCOMPARE(state.text(Control::cmbDificultad), u"7");
    state.clearList(Control::cmbDificultad);
    QCOMPARE(dificultad->count(), 0);
    QCOMPARE(dificultad->currentText(), QString());

    state.setEnabled(Control::cmbTiradas, false);
    QVERIFY(!running.find(u"cmbTiradas"_s)->isEnabled());

    state.setText(Control::txtResultado, u"a\nb");
    QCOMPARE(running.find<QPlainTextEdit>(u"txtResultado"_s)->toPlainText(), u"a\nb"_s);
    QCOMPARE(state.text(Control::txtResultado), u"a\nb");
}

// Every object of the window whose class is Quorlin's own declares Q_OBJECT: it reports its own
// class to Qt's meta-object system, not its toolkit base, so qobject_cast and styles see it.
void LayoutTest::objectsReportTheirOwnClass()
{
    Running running;
    QList<QObject*> objects = running.window().findChildren<QObject*>();
    objects << &running.window();
    QSet<QString> checked;
    for (QObject* object : objects) {
        int status = 0;
        const std::unique_ptr<char, decltype(&std::free)> name(
            abi::__cxa_demangle(typeid(*object).name(), nullptr, nullptr, &status), &std::free);
        QVERIFY(status == 0 && name);
        // moc leaves the anonymous namespace out of the class name.
        const QString type = QString::fromLatin1(name.get()).remove(u"(anonymous namespace)::"_s);
        if (!type.startsWith(u"quorlin::"))
            continue;
        QCOMPARE(QString::fromLatin1(object->metaObject()->className()), type);
        checked.insert(type);
    }
    // The search itself works: the window's own classes were found among its objects.
    QVERIFY(checked.contains(u"quorlin::FrmTirarDados"_s));
    QVERIFY(checked.contains(u"quorlin::ListBinding"_s));
}

void LayoutTest::iconSizeIsItsOwnPicture_data()
{
    QTest::addColumn<int>("side");
    for (int side : { 16, 22, 24, 32, 48, 64, 128, 256 })
        QTest::addRow("%d px", side) << side;
}

// Each size the desktop asks for is offered and served by the picture drawn for it, never by a
// neighbour scaled to it.
void LayoutTest::iconSizeIsItsOwnPicture()
{
    QFETCH(int, side);
    const QIcon icon = quorlinIcon();
    QVERIFY(icon.availableSizes().contains(QSize(side, side)));
    const QImage drawn
        = QImage(QStringLiteral(QUORLIN_ICONS "/%1x%1/io.github.quorlin.Quorlin.png").arg(side))
              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!drawn.isNull());
    QCOMPARE(icon.pixmap(QSize(side, side))
                 .toImage()
                 .convertToFormat(QImage::Format_ARGB32_Premultiplied),
        drawn);
}

QTEST_MAIN(LayoutTest)

#include "layout_test.moc"
