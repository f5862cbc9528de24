// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtest.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

#include <vector>

using namespace quorlin;
using namespace quorlin::testing;
using namespace Qt::StringLiterals;

namespace {

// What the accessibility layer was told about the result box, and what it was asked to say.
std::vector<QString> reportTexts;
std::vector<QString> announcements;
// Before Qt 6.8, each time the notice that carries the announcement hid or showed.
std::vector<QString> noticeEvents;

void record(QAccessibleEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        announcements.push_back(static_cast<QAccessibleAnnouncementEvent*>(event)->message());
#else
    const bool notice = event->accessibleInterface()
        && event->accessibleInterface()->role() == QAccessible::Notification;
    if (notice && event->type() == QAccessible::ObjectHide)
        noticeEvents.push_back(u"hide"_s);
    if (notice && event->type() == QAccessible::ObjectShow) {
        noticeEvents.push_back(u"show"_s);
        announcements.push_back(event->accessibleInterface()->text(QAccessible::Name));
    }
#endif
    if (event->type() != QAccessible::TextUpdated
        || event->object()->objectName() != u"txtResultado")
        return;
    reportTexts.push_back(static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted());
}

enum class Setup { AtStart, DieChosen, FacesTyped };

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(std::vector<int>)

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void combosAreLabelled_data();
    void combosAreLabelled();
    void resultBoxKeepsItsName();
    void facesFieldIsTheValue();
    void rollAnnouncesTheReport_data();
    void rollAnnouncesTheReport();
    void everyRollIsAnnouncedAnew();
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

// Whatever a combo box holds, a screen reader finds its label through the label relation, reads
// the label's caption as its name and the text it shows as its value and its text, so that it
// says each once, and no value while it shows none.
void AccessibilityTest::combosAreLabelled()
{
    QFETCH(Setup, setup);
    QFETCH(QString, combo);
    QFETCH(QString, label);
    Running running;
    // As the user chooses and types: the control shows it, then RollState hears of it.
    const auto choose = [&](const char* name, int index) {
        QComboBox* list = running.combo(QLatin1String(name));
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    if (setup == Setup::DieChosen) {
        choose("cmbCaras", 5);
        choose("cmbMinimo", 2);
        choose("cmbDificultad", 19);
        choose("cmbTiradas", 0);
    } else if (setup == Setup::FacesTyped) {
        QLineEdit* field = running.combo(u"cmbCaras"_s)->lineEdit();
        field->setText(u"20"_s);
        emit field->textEdited(field->text());
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

    const QString shown = running.combo(combo)->currentText();
    for (Control control : allControls) {
        if (combo == QLatin1String(controlName(control).data()))
            QCOMPARE(shown, QString::fromStdU16String(running.state().text(control)));
    }
    QCOMPARE(box->text(QAccessible::Name), label);
    QCOMPARE(box->text(QAccessible::Value), shown);
    QAccessibleTextInterface* text = box->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), shown);
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

// The text field inside the faces combo box is the combo box's value: a name of its own would be
// said after the label, and in place of the value while the field is empty.
void AccessibilityTest::facesFieldIsTheValue()
{
    Running running;
    QAccessibleInterface* field
        = QAccessible::queryAccessibleInterface(running.combo(u"cmbCaras"_s)->lineEdit());
    QVERIFY(field);
    QCOMPARE(field->text(QAccessible::Name), QString());
    QCOMPARE(field->parent()->text(QAccessible::Name), u"Caras del Dado"_s);
}

void AccessibilityTest::rollAnnouncesTheReport_data()
{
    QTest::addColumn<int>("faces");
    QTest::addColumn<std::vector<int>>("draws");
    QTest::addColumn<bool>("character");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("two throws against 12: each die said as a number, with its verdict")
        << 20 << std::vector<int> { 7, 15 } << false
        << u"Dado 1  Resultado = 07  ¡Fallo!\nDado 2  Resultado = 15  ¡Exito!\n"_s
        << u"Dado 1: 7. ¡Fallo!\nDado 2: 15. ¡Exito!"_s;
    QTest::newRow("\"00\" said as 100") << 100 << std::vector<int> { 100, 3 } << false
                                        << u"Dado 1  Resultado = 00  ¡Exito!\n"
                                           u"Dado 2  Resultado = 03  ¡Fallo!\n"_s
                                        << u"Dado 1: 100. ¡Exito!\nDado 2: 3. ¡Fallo!"_s;
    const QString ruler(45, u'-');
    QTest::newRow("character series, without their rulers")
        << 6 << std::vector<int> { 1, 2, 3, 4, 5, 6 } << true
        << u"   01/02/03/04/05/06    Serie 1\n"_s + ruler + u"\n   01/02/03/04/05/06    Serie 2\n"_s
            + ruler + u"\n   01/02/03/04/05/06    Serie 3"_s
        << u"Serie 1: 1, 2, 3, 4, 5, 6.\nSerie 2: 1, 2, 3, 4, 5, 6.\nSerie 3: 1, 2, 3, 4, 5, 6."_s;
}

// The result box tells a screen reader that follows it what changed, and wherever the focus is
// the reader is asked once per roll to say the report, read out. Needs a live accessibility
// layer: the offscreen platform has none and drops every event, so the with-atspi run covers it.
void AccessibilityTest::rollAnnouncesTheReport()
{
    QFETCH(int, faces);
    QFETCH(std::vector<int>, draws);
    QFETCH(bool, character);
    QFETCH(QString, report);
    QFETCH(QString, spoken);
    if (QGuiApplication::platformName() == u"offscreen")
        QSKIP("the offscreen platform has no accessibility layer");
    QTRY_VERIFY(QAccessible::isActive());
    std::vector<std::uint64_t> words;
    for (int draw : draws)
        words.push_back(wordForDraw(draw, faces));
    Running running(words);
    QVERIFY(running.activate());
    running.state().editField(Control::cmbCaras, QString::number(faces).toStdU16String());
    if (character) {
        QTest::mouseClick(running.find(u"chkPersonaje"_s), Qt::LeftButton);
    } else {
        running.state().chooseItem(Control::cmbDificultad, 11);
        running.state().chooseItem(Control::cmbTiradas, 1);
    }
    running.combo(u"cmbCaras"_s)->setFocus();
    QCoreApplication::processEvents();
    reportTexts.clear();
    announcements.clear();
    QTest::keyClick(running.window().windowHandle(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(announcements.size(), 1u);
    QCoreApplication::processEvents();
    QCOMPARE(reportTexts, std::vector<QString> { report });
    QCOMPARE(announcements, std::vector<QString> { spoken });
    QCOMPARE(running.focused(), u"cmbCaras"_s);
}

// A screen reader says a notice only as it comes into view: before Qt 6.8, the notice hides
// before each roll's report shows it again.
void AccessibilityTest::everyRollIsAnnouncedAnew()
{
    if (QGuiApplication::platformName() == u"offscreen")
        QSKIP("the offscreen platform has no accessibility layer");
    QTRY_VERIFY(QAccessible::isActive());
    Running running({ wordForDraw(7, 20), wordForDraw(15, 20) });
    QVERIFY(running.activate());
    running.state().editField(Control::cmbCaras, u"20");
    QCoreApplication::processEvents();
    announcements.clear();
    noticeEvents.clear();
    for (std::size_t roll = 1; roll <= 2; ++roll) {
        QTest::keyClick(running.window().windowHandle(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(announcements.size(), roll);
    }
    QCOMPARE(announcements, (std::vector<QString> { u"Dado 1: 7."_s, u"Dado 1: 15."_s }));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QCOMPARE(noticeEvents, (std::vector<QString> { u"hide"_s, u"show"_s, u"hide"_s, u"show"_s }));
#endif
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
