// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtest.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

using namespace quorlin;
using namespace quorlin::testing;
using namespace Qt::StringLiterals;

namespace {

// What the accessibility layer was told about the result box.
std::vector<QString> reportTexts;

void record(QAccessibleEvent* event)
{
    if (event->type() != QAccessible::TextUpdated
        || event->object()->objectName() != u"txtResultado")
        return;
    reportTexts.push_back(static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted());
}

enum class Setup { AtStart, DieChosen, FacesTyped };

} // namespace

Q_DECLARE_METATYPE(Setup)

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void combosAreLabelled_data();
    void combosAreLabelled();
    void resultBoxKeepsItsName();
    void facesFieldIsNamed();
    void rollAnnouncesTheReport();
};

void AccessibilityTest::initTestCase() { QAccessible::installUpdateHandler(record); }

void AccessibilityTest::combosAreLabelled_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("label");
    const std::pair<const char*, QString> rows[]
        = { { "cmbCaras", u"Caras del Dado"_s }, { "cmbMinimo", u"Tirada Mínima"_s },
              { "cmbDificultad", u"Dificultad"_s }, { "cmbTiradas", u"Numero tiradas"_s } };
    for (const auto& [combo, label] : rows) {
        QTest::addRow("%s at start", combo) << Setup::AtStart << combo << label;
        QTest::addRow("%s, die chosen", combo) << Setup::DieChosen << combo << label;
        QTest::addRow("%s, faces typed", combo) << Setup::FacesTyped << combo << label;
    }
}

// Whatever a combo box holds, a screen reader finds its label through the label relation.
void AccessibilityTest::combosAreLabelled()
{
    QFETCH(Setup, setup);
    QFETCH(QString, combo);
    QFETCH(QString, label);
    Running running;
    if (setup == Setup::DieChosen) {
        running.state().chooseItem(Control::cmbCaras, 5);
        running.state().chooseItem(Control::cmbMinimo, 2);
        running.state().chooseItem(Control::cmbDificultad, 19);
        running.state().chooseItem(Control::cmbTiradas, 0);
    } else if (setup == Setup::FacesTyped) {
        running.state().editField(Control::cmbCaras, u"20");
    }
    QCoreApplication::processEvents();

    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(running.combo(combo));
    QVERIFY(box);
    QStringList labels;
    for (const auto& [other, relation] : box->relations(QAccessible::Label)) {
        if (other->role() == QAccessible::StaticText)
            labels << other->text(QAccessible::Name);
    }
    QCOMPARE(labels, QStringList { label });
}

void AccessibilityTest::resultBoxKeepsItsName()
{
    Running running;
    QAccessibleInterface* box
        = QAccessible::queryAccessibleInterface(running.find(u"txtResultado"_s));
    QVERIFY(box);
    QCOMPARE(box->text(QAccessible::Name), u"Resultado de la tirada"_s);
    QCOMPARE(box->role(), QAccessible::EditableText);
}

// The focus lands in the text field inside the faces combo box, which is a widget of its own.
void AccessibilityTest::facesFieldIsNamed()
{
    Running running;
    QAccessibleInterface* field
        = QAccessible::queryAccessibleInterface(running.combo(u"cmbCaras"_s)->lineEdit());
    QVERIFY(field);
    QCOMPARE(field->text(QAccessible::Name), u"Caras del Dado"_s);
}

// Needs a live accessibility layer: the offscreen platform has none and drops every event, so the
// with-atspi run covers this case.
void AccessibilityTest::rollAnnouncesTheReport()
{
    if (QGuiApplication::platformName() == u"offscreen")
        QSKIP("the offscreen platform has no accessibility layer");
    QTRY_VERIFY(QAccessible::isActive());
    Running running({ wordForDraw(7, 20), wordForDraw(15, 20) });
    running.state().chooseItem(Control::cmbCaras, 5);
    running.state().chooseItem(Control::cmbTiradas, 1);
    QCoreApplication::processEvents();
    reportTexts.clear();
    QTest::mouseClick(running.find(u"cmdTirar"_s), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(reportTexts,
        std::vector<QString> { u"Dado 1  Resultado = 07\nDado 2  Resultado = 15\n"_s });
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
