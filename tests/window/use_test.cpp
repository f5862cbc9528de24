#include "windowtest.h"

#include "runtime/error.h"
#include "window/events/handlers.h"
#include "window/spanish.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

using namespace quorlin;
using namespace quorlin::testing;
using namespace Qt::StringLiterals;

namespace {

// Opens the combo's list with the mouse and clicks the item with this text.
void chooseWithMouse(QComboBox* combo, const QString& text)
{
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    // The popup ignores a release that follows its opening click too closely.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QModelIndex index = combo->model()->index(combo->findText(text), 0);
    QVERIFY(index.isValid());
    view->scrollTo(index);
    // A list's items may be wider than its popup: click within the part that shows.
    const QPoint item(view->viewport()->width() / 2, view->visualRect(index).center().y());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
    QTRY_VERIFY(!view->isVisible());
}

// What a message box showed the user, read while it is open, before its button is pressed.
struct Report
{
    QString title;
    QString text;
    QString button;
};

// Answers the next modal message box from inside its own event loop.
void answerNextMessageBox(Report& seen)
{
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, [poll, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = { box->windowTitle(), box->text(), box->button(QMessageBox::Ok)->text() };
        poll->deleteLater();
        poll->stop();
        box->button(QMessageBox::Ok)->click();
    });
    poll->start(10);
}

} // namespace

class UseTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installSpanish(*QCoreApplication::instance()); }
    void typicalUse();
    void editingTheReportKeepsItsLineEnds();
    void typedLetterIsReportedAndTheProgramGoesOn();
    void ending_data();
    void ending();
    void listsKeepTheModelContract();
};

void UseTest::typicalUse()
{
    Running running({ wordForDraw(7, 20), wordForDraw(15, 20), wordForDraw(12, 20) });
    QVERIFY(running.activate());

    chooseWithMouse(running.combo(u"cmbCaras"_s), u"20"_s);
    QCOMPARE(running.combo(u"cmbCaras"_s)->currentText(), u"20"_s);
    QCOMPARE(running.combo(u"cmbDificultad"_s)->count(), 20);
    QCOMPARE(running.combo(u"cmbDificultad"_s)->currentIndex(), -1);
    QVERIFY(running.find(u"cmdTirar"_s)->isEnabled());

    QComboBox* dificultad = running.combo(u"cmbDificultad"_s);
    dificultad->setFocus();
    QTest::keyClicks(dificultad, u"12"_s);
    QCOMPARE(running.state().text(Control::cmbDificultad), u"12");
    chooseWithMouse(running.combo(u"cmbTiradas"_s), u"3"_s);
    QCOMPARE(running.state().text(Control::cmbTiradas), u"3");

    QTest::mouseClick(running.find(u"cmdTirar"_s), Qt::LeftButton);
    const std::u16string report = u"Dado 1  Resultado = 07  ¡Fallo!\r\n"
                                  u"Dado 2  Resultado = 15  ¡Exito!\r\n"
                                  u"Dado 3  Resultado = 12  ¡Exito!\r\n";
    QCOMPARE(running.report(), report);
    QCOMPARE(running.find<QPlainTextEdit>(u"txtResultado"_s)->toPlainText(),
        QString::fromStdU16String(report).replace(u"\r\n"_s, u"\n"_s));
}

void UseTest::editingTheReportKeepsItsLineEnds()
{
    Running running;
    auto* box = running.find<QPlainTextEdit>(u"txtResultado"_s);
    box->setFocus();
    QTest::keyClicks(box, u"hola"_s);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, u"¡Exito!"_s);
    QCOMPARE(running.report(), u"hola\r\n¡Exito!");
    QCOMPARE(box->toPlainText(), u"hola\n¡Exito!"_s);
}

void UseTest::typedLetterIsReportedAndTheProgramGoesOn()
{
    Running running({ wordForDraw(4, 6) });
    QVERIFY(running.activate());
    running.state().chooseItem(Control::cmbCaras, 1);
    QTest::mouseClick(running.find(u"cmdTirar"_s), Qt::LeftButton);
    const std::u16string report = running.report();
    QCOMPARE(report, u"Dado 1  Resultado = 04\r\n");

    Report seen;
    answerNextMessageBox(seen);
    QLineEdit* field = running.combo(u"cmbCaras"_s)->lineEdit();
    field->selectAll();
    QTest::keyClicks(field, u"x"_s);

    QCOMPARE(seen.title, QString::fromStdU16String(errorTitle(ErrorKind::TypeMismatch)));
    QCOMPARE(seen.text, QString::fromStdU16String(errorMessage(ErrorKind::TypeMismatch)));
    QCOMPARE(QString(seen.button).remove(u'&'), u"Aceptar"_s);
    QVERIFY(running.window().isVisible());
    QVERIFY(!running.session.program().hasEnded());
    QCOMPARE(running.report(), report);
    QCOMPARE(running.find<QPlainTextEdit>(u"txtResultado"_s)->toPlainText(),
        u"Dado 1  Resultado = 04\n"_s);
    QCOMPARE(field->text(), u"x"_s);
    // The handler had emptied both lists before it met the letter.
    QCOMPARE(running.combo(u"cmbMinimo"_s)->count(), 0);

    answerNextMessageBox(seen);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, u"4"_s);
    QCOMPARE(running.combo(u"cmbMinimo"_s)->count(), 4);
}

void UseTest::ending_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("by Salir") << true;
    QTest::newRow("by closing the window") << false;
}

void UseTest::ending()
{
    QFETCH(bool, byButton);
    Running running;
    QTimer::singleShot(0, [&] {
        if (byButton)
            QTest::mouseClick(running.find(u"cmdSalir"_s), Qt::LeftButton);
        else
            running.window().close();
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!running.window().isVisible());
    QVERIFY(running.session.program().hasEnded());
}

// Views and proxies may trust rowCount() and data(): both lists must keep Qt's model contract
// through the rebuilds of a typed die and through a rebuild the program makes on its own.
void UseTest::listsKeepTheModelContract()
{
    Running running;
    QComboBox* minimo = running.combo(u"cmbMinimo"_s);
    QComboBox* dificultad = running.combo(u"cmbDificultad"_s);
    const QAbstractItemModelTester minimoTester(
        minimo->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QAbstractItemModelTester dificultadTester(
        dificultad->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    QTest::keyClicks(running.combo(u"cmbCaras"_s)->lineEdit(), u"32767"_s);
    QCOMPARE(minimo->count(), 32767);
    QCOMPARE(dificultad->itemText(32766), u"32767"_s);

    RollState& state = running.state();
    state.setText(Control::cmbCaras, u"6");
    cmbCaras_Click(state);
    QCOMPARE(minimo->count(), 6);
    QCOMPARE(dificultad->itemText(5), u"6"_s);
    state.insertItem(Control::cmbDificultad, u"0", 2);
    QCOMPARE(dificultad->itemText(2), u"0"_s);
    QCOMPARE(dificultad->itemText(3), u"3"_s);
}

QTEST_MAIN(UseTest)

#include "use_test.moc"
