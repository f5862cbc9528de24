// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtest.h"

#include "window/start/spanish.h"

#include <QCheckBox>
#include <QTimer>

using namespace quorlin;
using namespace quorlin::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Setup {
    AtStart, ///< right after Form_Load: cmbMinimo and cmdTirar disabled
    DieChosen, ///< "6" chosen in cmbCaras
    CharacterMode, ///< check box on: cmbDificultad and cmbTiradas disabled
};

void prepare(Running& running, Setup setup)
{
    if (setup == Setup::DieChosen)
        running.state().chooseItem(Control::cmbCaras, 1);
    if (setup == Setup::CharacterMode) {
        running.find<QCheckBox>(u"chkPersonaje"_s)->setChecked(true);
        running.state().setValue(Control::chkPersonaje, 1);
    }
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installSpanish(*QCoreApplication::instance()); }
    void tabOrder_data();
    void tabOrder();
    void accessKeys_data();
    void accessKeys();
    void enterAndEscape_data();
    void enterAndEscape();
    void spaceTogglesCharacterMode();
};

void KeyboardTest::tabOrder_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QStringList>("visits");

    QTest::newRow("at start, Tab") << Setup::AtStart << Qt::Key_Tab
                                   << QStringList { "txtResultado", "cmbDificultad", "cmdSalir",
                                          "chkPersonaje", "cmbTiradas", "cmbCaras" };
    QTest::newRow("at start, Shift+Tab") << Setup::AtStart << Qt::Key_Backtab
                                         << QStringList { "cmbTiradas", "chkPersonaje", "cmdSalir",
                                                "cmbDificultad", "txtResultado", "cmbCaras" };
    QTest::newRow("die chosen, Tab")
        << Setup::DieChosen << Qt::Key_Tab
        << QStringList { "cmbMinimo", "cmdTirar", "txtResultado", "cmbDificultad", "cmdSalir",
               "chkPersonaje", "cmbTiradas", "cmbCaras" };
    QTest::newRow("die chosen, Shift+Tab")
        << Setup::DieChosen << Qt::Key_Backtab
        << QStringList { "cmbTiradas", "chkPersonaje", "cmdSalir", "cmbDificultad", "txtResultado",
               "cmdTirar", "cmbMinimo", "cmbCaras" };
    QTest::newRow("character mode, Tab")
        << Setup::CharacterMode << Qt::Key_Tab
        << QStringList { "txtResultado", "cmdSalir", "chkPersonaje", "cmbCaras" };
}

void KeyboardTest::tabOrder()
{
    QFETCH(Setup, setup);
    QFETCH(Qt::Key, key);
    QFETCH(QStringList, visits);

    Running running;
    QVERIFY(running.activate());
    QCOMPARE(running.focused(), u"cmbCaras"_s);
    prepare(running, setup);
    QStringList visited;
    for (qsizetype i = 0; i < visits.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), key,
            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        visited << running.focused();
    }
    QCOMPARE(visited, visits);
}

void KeyboardTest::accessKeys_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("rolls");

    QTest::newRow("Alt+C at start") << Setup::AtStart << Qt::Key_C << "txtResultado" << false;
    QTest::newRow("Alt+M at start") << Setup::AtStart << Qt::Key_M << "txtResultado" << false;
    QTest::newRow("Alt+C, die chosen") << Setup::DieChosen << Qt::Key_C << "cmbMinimo" << false;
    QTest::newRow("Alt+M, die chosen") << Setup::DieChosen << Qt::Key_M << "cmbMinimo" << false;
    QTest::newRow("Alt+D at start: the label's key")
        << Setup::AtStart << Qt::Key_D << "cmbDificultad" << false;
    QTest::newRow("Alt+D, character mode: past the disabled list")
        << Setup::CharacterMode << Qt::Key_D << "cmdSalir" << false;
    QTest::newRow("Alt+D, die chosen: presses Tirar Dados")
        << Setup::DieChosen << Qt::Key_D << "" << true;
    QTest::newRow("Alt+N wraps to the start")
        << Setup::DieChosen << Qt::Key_N << "cmbCaras" << false;
}

void KeyboardTest::accessKeys()
{
    QFETCH(Setup, setup);
    QFETCH(Qt::Key, key);
    QFETCH(QString, focus);
    QFETCH(bool, rolls);

    Running running;
    prepare(running, setup);
    QVERIFY(running.activate());
    QWidget* start = running.find(u"cmdSalir"_s);
    start->setFocus();
    QTest::keyClick(start, key, Qt::AltModifier);
    if (rolls) {
        QTRY_COMPARE(running.report().substr(0, 6), u"Dado 1");
        // Every press rolls: the key does not alternate with the label's.
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QTRY_COMPARE(running.random.taken(), 2u);
    } else {
        QCOMPARE(running.focused(), focus);
        QTest::qWait(150); // longer than a button's animated press
        QCOMPARE(running.report(), u"");
    }
    QVERIFY(!running.session.program().hasEnded());
}

void KeyboardTest::enterAndEscape_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("typedAfter");
    QTest::addColumn<bool>("rolls");
    QTest::addColumn<bool>("ends");

    QTest::newRow("Enter on Tirar Dados") << "cmdTirar" << Qt::Key_Return << "" << true << false;
    QTest::newRow("Enter on Salir") << "cmdSalir" << Qt::Key_Return << "" << false << true;
    QTest::newRow("Alt+S") << "cmbTiradas" << Qt::Key_S << "" << false << true;
    // The letter would raise an error report if it reached the field before Salir was pressed.
    QTest::newRow("Alt+S, a letter straight after")
        << "cmbCaras" << Qt::Key_S << "a" << false << true;
    for (const char* control : { "cmbCaras", "cmbDificultad", "chkPersonaje", "txtResultado" }) {
        QTest::addRow("Enter in %s", control) << control << Qt::Key_Return << "" << false << false;
        QTest::addRow("Esc in %s", control) << control << Qt::Key_Escape << "" << false << false;
    }
    QTest::newRow("Esc on Tirar Dados") << "cmdTirar" << Qt::Key_Escape << "" << false << false;
}

void KeyboardTest::enterAndEscape()
{
    QFETCH(QString, control);
    QFETCH(Qt::Key, key);
    QFETCH(QString, typedAfter);
    QFETCH(bool, rolls);
    QFETCH(bool, ends);

    Running running;
    prepare(running, Setup::DieChosen);
    QVERIFY(running.activate());
    QWidget* widget = running.find(control);
    widget->setFocus();
    QWidget* target = QApplication::focusWidget();
    // An error report that the keys open is answered after a while, as a user reading it would,
    // so that a failure cannot hang the test.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    answer.start(250);
    QTest::keyClick(target, key, key == Qt::Key_S ? Qt::AltModifier : Qt::NoModifier);
    QTest::keyClicks(target, typedAfter);
    QTest::qWait(150); // longer than a button's animated press
    QCOMPARE(running.report().starts_with(u"Dado 1"), rolls);
    QCOMPARE(running.session.program().hasEnded(), ends);
    QCOMPARE(running.window().isVisible(), !ends);
    // Keys after the end reach no handler: the lists of the chosen die stay as they were.
    QCOMPARE(running.combo(u"cmbMinimo"_s)->count(), 6);
}

void KeyboardTest::spaceTogglesCharacterMode()
{
    Running running;
    QVERIFY(running.activate());
    auto* check = running.find<QCheckBox>(u"chkPersonaje"_s);
    check->setFocus();
    const QStringList lists { "cmbMinimo", "cmbDificultad", "cmbTiradas" };
    auto enabled = [&] {
        QList<bool> flags;
        for (const QString& name : lists)
            flags << running.find(name)->isEnabled();
        return flags;
    };

    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(running.state().value(Control::chkPersonaje), 1);
    QVERIFY(check->isChecked());
    QCOMPARE(enabled(), QList<bool>({ false, false, false }));

    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(running.state().value(Control::chkPersonaje), 0);
    QCOMPARE(enabled(), QList<bool>({ false, true, true }));
}

QTEST_MAIN(KeyboardTest)

#include "keyboard_test.moc"
