// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtest.h"

#include "runtime/error.h"
#include "window/events/handlers.h"
#include "window/resultbox.h"
#include "window/start/spanish.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <memory>

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

// Answers the next modal message box from inside its own event loop, for as long as the timer it
// returns lives: a test that fails before any box opens leaves no poll to write into a Report
// that is gone.
[[nodiscard]] std::unique_ptr<QTimer> answerNextMessageBox(Report& seen)
{
    auto poll = std::make_unique<QTimer>();
    QObject::connect(poll.get(), &QTimer::timeout, [poll = poll.get(), &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = { box->windowTitle(), box->text(), box->button(QMessageBox::Ok)->text() };
        poll->stop();
        box->button(QMessageBox::Ok)->click();
    });
    poll->start(10);
    return poll;
}

enum class UnderReport {
    Nothing,
    AccessKey, ///< Alt+D, which rolls while the roll button is enabled
    Typing, ///< a digit sent to the faces field itself
    Click, ///< a mouse click sent to the roll button itself
    Wheel, ///< a wheel turn sent to the faces list itself
};

// Answers every modal message box, each after holding it open for a while, as a user reading
// it would; the first time, also sends input to the window beneath while the box is open.
struct BoxAnswerer
{
    using Input = std::function<void()>;

    BoxAnswerer(Input whileOpen)
        : m_whileOpen(std::move(whileOpen))
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start(10);
    }

    int answered = 0;

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == m_answering)
            return;
        m_answering = box;
        // From a timer of its own, so that a second report it might open is answered too.
        if (m_whileOpen && answered == 0)
            QTimer::singleShot(0, box, m_whileOpen);
        QTimer::singleShot(250, box, [this, box] {
            ++answered;
            box->button(QMessageBox::Ok)->click();
        });
    }

    Input m_whileOpen;
    QTimer m_poll;
    QMessageBox* m_answering = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(UnderReport)

class UseTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installSpanish(*QCoreApplication::instance()); }
    void typicalUse();
    void editingTheReportKeepsItsLineEnds();
    void typedLetterIsReportedAndTheProgramGoesOn();
    void misusedOperationIsReported_data();
    void misusedOperationIsReported();
    void noInputUnderAnOpenReport_data();
    void noInputUnderAnOpenReport();
    void ending_data();
    void resultBoxIsBounded_data();
    void resultBoxIsBounded();
    void copiedNumberIsTaken_data();
    void copiedNumberIsTaken();
    void lineBreaksPastedMidFieldAreDropped_data();
    void lineBreaksPastedMidFieldAreDropped();
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
    const auto answering = answerNextMessageBox(seen);
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

    // Qt's other texts that the player meets: the field's and the result box's context menus.
    const std::unique_ptr<QMenu> fieldMenu(field->createStandardContextMenu());
    QCOMPARE(fieldMenu->actions().constFirst()->text().section(u'\t', 0, 0), u"&Deshacer"_s);
    const std::unique_ptr<QMenu> boxMenu(
        running.find<QPlainTextEdit>(u"txtResultado"_s)->createStandardContextMenu());
    QCOMPARE(boxMenu->actions().constFirst()->text().section(u'\t', 0, 0), u"&Deshacer"_s);

    // No report is due here: an answerer left waiting would outlive this test and its Report.
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, u"4"_s);
    QCOMPARE(running.combo(u"cmbMinimo"_s)->count(), 4);
}

void UseTest::misusedOperationIsReported_data()
{
    QTest::addColumn<QString>("list");
    for (const char* list : { "cmbCaras", "cmbMinimo", "cmbDificultad", "cmbTiradas" })
        QTest::newRow(list) << QString::fromLatin1(list);
}

// Every binding runs its user operation at the program's catch point: an operation that its
// control refuses (an item past the end of the list) is reported, and never leaves the slot.
void UseTest::misusedOperationIsReported()
{
    QFETCH(QString, list);
    Running running;
    running.state().chooseItem(Control::cmbCaras, 1);
    QComboBox* combo = running.combo(list);
    Report seen;
    const auto answering = answerNextMessageBox(seen);
    emit combo->activated(combo->count());
    QCOMPARE(seen.title, QString::fromStdU16String(errorTitle(ErrorKind::ControlOperation)));
    QVERIFY(!running.session.program().hasEnded());
}

void UseTest::noInputUnderAnOpenReport_data()
{
    QTest::addColumn<bool>("accessKeyFirst");
    QTest::addColumn<UnderReport>("underReport");
    QTest::newRow("20, Alt+D and x quickly") << true << UnderReport::Nothing;
    QTest::newRow("x, then Alt+D under the report") << false << UnderReport::AccessKey;
    QTest::newRow("x, then typing under the report") << false << UnderReport::Typing;
    QTest::newRow("x, then a click under the report") << false << UnderReport::Click;
    QTest::newRow("x, then a wheel turn under the report") << false << UnderReport::Wheel;
}

// Every keystroke goes to the focused control through the window's own key handling, access
// keys included, as a keyboard would deliver it.
void UseTest::noInputUnderAnOpenReport()
{
    QFETCH(bool, accessKeyFirst);
    QFETCH(UnderReport, underReport);
    Running running({ wordForDraw(2, 20), wordForDraw(3, 20) });
    QVERIFY(running.activate());
    QLineEdit* field = running.combo(u"cmbCaras"_s)->lineEdit();
    field->setFocus();
    QTest::keyClick(running.window().windowHandle(), Qt::Key_2);
    QTest::keyClick(running.window().windowHandle(), Qt::Key_0);
    QCOMPARE(field->text(), u"20"_s);
    if (!accessKeyFirst) {
        QTest::keyClick(running.window().windowHandle(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(running.random.taken(), 1u);
    }
    const std::size_t drawsBefore = running.random.taken();

    BoxAnswerer answerer([&] {
        switch (underReport) {
        case UnderReport::Nothing:
            break;
        case UnderReport::AccessKey:
            QTest::keyClick(running.window().windowHandle(), Qt::Key_D, Qt::AltModifier);
            break;
        case UnderReport::Typing:
            // Straight to the field, past the toolkit's own refusal of input under a modal box.
            QTest::keyClick(field, Qt::Key_5);
            break;
        case UnderReport::Click:
            QTest::mouseClick(running.find(u"cmdTirar"_s), Qt::LeftButton);
            break;
        case UnderReport::Wheel: {
            QComboBox* faces = running.combo(u"cmbCaras"_s);
            const QPoint centre = faces->rect().center();
            QWheelEvent turn(centre, faces->mapToGlobal(centre), {}, { 0, -120 }, Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(faces, &turn);
            break;
        }
        }
    });
    if (accessKeyFirst)
        QTest::keyClick(running.window().windowHandle(), Qt::Key_D, Qt::AltModifier);
    const std::u16string report = running.report();
    QTest::keyClick(running.window().windowHandle(), Qt::Key_X);
    QTest::qWait(400); // past a delayed press and the answer to a second report

    QCOMPARE(answerer.answered, 1);
    QCOMPARE(field->text(), u"20x"_s);
    QCOMPARE(running.random.taken(), accessKeyFirst ? 1u : drawsBefore);
    QCOMPARE(running.report().substr(0, 22), u"Dado 1  Resultado = 02");
    QCOMPARE(running.report(), report);
}

enum class Input {
    Paste,
    Type,
    Drop,
};

Q_DECLARE_METATYPE(Input)

void UseTest::resultBoxIsBounded_data()
{
    constexpr qsizetype full = ResultBox::maxLength;
    const QString megabyte(1 << 20, u'a');
    QTest::addColumn<qsizetype>("held");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1 MiB pasted on one line is cut to the bound")
        << qsizetype(0) << false << Input::Paste << megabyte << QString(full, u'a');
    QTest::newRow("a paste into a full box adds nothing")
        << full << false << Input::Paste << u"Dado"_s << QString(full, u'b');
    QTest::newRow("a letter typed into a full box is refused")
        << full << false << Input::Type << u"x"_s << QString(full, u'b');
    QTest::newRow("a letter typed into the last free unit is taken")
        << full - 1 << false << Input::Type << u"x"_s << QString(full - 1, u'b') + u'x';
    QTest::newRow("a paste replaces a selection however full the box")
        << full << true << Input::Paste << u"Dado 1"_s << u"Dado 1"_s;
    QTest::newRow("the cut keeps a surrogate pair whole")
        << full - 1 << false << Input::Paste << u"\U0001F3B2"_s << QString(full - 1, u'b');
    QTest::newRow("below the bound a line break is typed")
        << qsizetype(3) << false << Input::Type << u"\n"_s << u"bbb\n"_s;
}

void UseTest::resultBoxIsBounded()
{
    QFETCH(qsizetype, held);
    QFETCH(bool, selectAll);
    QFETCH(Input, input);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    Running running;
    auto* box = running.find<QPlainTextEdit>(u"txtResultado"_s);
    box->setFocus();
    QApplication::clipboard()->setText(QString(held, u'b'));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    if (selectAll)
        box->selectAll();
    if (input == Input::Paste) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else if (text == u"\n") {
        QTest::keyClick(box, Qt::Key_Return);
    } else {
        QTest::keyClicks(box, text);
    }
    QCOMPARE(box->toPlainText(), expected);
    QCOMPARE(running.report(), QString(expected).replace(u'\n', u"\r\n"_s).toStdU16String());
}

void UseTest::copiedNumberIsTaken_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("text");
    QTest::newRow("a line pasted with its line feed") << Input::Paste << u"20\n"_s;
    QTest::newRow("a line pasted with CR LF") << Input::Paste << u"20\r\n"_s;
    QTest::newRow("a line dropped with CR LF") << Input::Drop << u"20\r\n"_s;
}

// A number copied with its line reaches the faces field as the number: no error report opens.
void UseTest::copiedNumberIsTaken()
{
    QFETCH(Input, input);
    QFETCH(QString, text);
    Running running;
    QLineEdit* field = running.combo(u"cmbCaras"_s)->lineEdit();
    field->setFocus();
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    answer.start(10);
    if (input == Input::Paste) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        QMimeData data;
        data.setText(text);
        // The drop goes to the widget that accepted the drag's entry.
        const QPoint at = field->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field, &drop);
    }
    QCOMPARE(field->text(), u"20"_s);
    QCOMPARE(running.state().text(Control::cmbCaras), u"20");
    QCOMPARE(running.combo(u"cmbMinimo"_s)->count(), 20);
}

void UseTest::lineBreaksPastedMidFieldAreDropped_data()
{
    QTest::addColumn<QChar>("lineBreak");
    QTest::newRow("line feed") << QChar(u'\n');
    QTest::newRow("carriage return") << QChar(u'\r');
    QTest::newRow("vertical tab") << QChar(u'\v');
    QTest::newRow("form feed") << QChar(u'\f');
    QTest::newRow("next line U+0085") << QChar(u'\u0085');
    QTest::newRow("line separator U+2028") << QChar(u'\u2028');
    QTest::newRow("paragraph separator U+2029") << QChar(u'\u2029');
}

// "2" between line breaks, pasted between the "1" and the "5" of the faces field: the breaks go,
// and the cursor stands after the "2" it pasted. A break kept would open the error report, which
// is answered so that the row fails on the field's text instead of waiting on the report.
void UseTest::lineBreaksPastedMidFieldAreDropped()
{
    QFETCH(QChar, lineBreak);
    Running running;
    BoxAnswerer reports({});
    QLineEdit* field = running.combo(u"cmbCaras"_s)->lineEdit();
    field->setFocus();
    QTest::keyClicks(field, u"15"_s);
    field->setCursorPosition(1);
    QApplication::clipboard()->setText(lineBreak + u'2' + lineBreak);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), u"125"_s);
    QCOMPARE(field->cursorPosition(), 2);
    QCOMPARE(running.state().text(Control::cmbCaras), u"125");
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
