// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Soaks the real window (offscreen) with random keystrokes and clicks, and shows that resident
// memory stays flat and the window stays alive. Error reports that the keystrokes cause are
// closed as soon as they open. Not a test: run it by hand or from CI.
//
//   quorlin_window_soak [actions]        (default 10000)

#include "memory.h"

#include "roll/rollstate.h"
#include "runtime/random.h"
#include "window/frmtirardados.h"
#include "window/start/session.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace quorlin;

namespace {

// Resident memory may grow this much after the warm-up before the soak counts as a leak.
constexpr long allowedGrowthKiB = 2048;

template <typename Widget> Widget* find(QWidget& window, const char* name)
{
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "the window has no control named %s\n", name);
        std::exit(2);
    }
    return widget;
}

// Keys a user types into the faces field: digits, signs, separators, the exponent letter,
// other letters, blanks, and editing keys.
constexpr std::array<Qt::Key, 22> faceKeys { Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,
    Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_Minus, Qt::Key_Plus,
    Qt::Key_Period, Qt::Key_Comma, Qt::Key_E, Qt::Key_A, Qt::Key_Space, Qt::Key_Backspace,
    Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home };

constexpr std::array<Qt::Key, 6> listKeys { Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Home,
    Qt::Key_End, Qt::Key_PageDown };

// The offscreen platform warns on every message box that it cannot pass size hints on; that says
// nothing about Quorlin, and thousands of copies would bury the figures.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QStringLiteral("does not support propagateSizeHints")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    const long actions = argc > 1 ? std::atol(argv[1]) : 10'000;
    if (actions <= 0) {
        std::fprintf(stderr, "usage: quorlin_window_soak [actions]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tools::printMemory("start", tools::readMemory());
    qInstallMessageHandler(quietOffscreen);

    QApplication application(argc, argv);
    XoshiroRandom random;
    Session session(random);
    session.start();
    QWidget& window = session.window();
    auto* caras = find<QComboBox>(window, "cmbCaras");
    const std::array<QComboBox*, 3> lists { find<QComboBox>(window, "cmbMinimo"),
        find<QComboBox>(window, "cmbDificultad"), find<QComboBox>(window, "cmbTiradas") };
    auto* personaje = find<QCheckBox>(window, "chkPersonaje");
    auto* resultado = find<QPlainTextEdit>(window, "txtResultado");
    auto* tirar = find<QPushButton>(window, "cmdTirar");
    QApplication::processEvents();
    tools::printMemory("window shown", tools::readMemory());

    // An error report is a modal box with its own event loop: close it from inside that loop,
    // as a user pressing its button would. Popups opened by clicks are closed the same way.
    long reportsClosed = 0;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->done(QMessageBox::Ok);
            ++reportsClosed;
        }
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    closer.start();

    std::mt19937 choose(20240607);
    const long warmUp = actions / 10;
    tools::Memory afterWarmUp;
    long rolls = 0;
    long reports = 0;
    long longestList = 0;
    const auto began = std::chrono::steady_clock::now();
    for (long i = 0; i < actions; ++i) {
        const unsigned pick = choose() % 100;
        if (pick < 45) {
            // Keep typed dice short enough that a run does not spend its time on 32767-item
            // lists, but let them reach five digits now and then.
            const Qt::Key key = faceKeys[choose() % faceKeys.size()];
            if (caras->currentText().size() >= 5 && choose() % 4 != 0)
                QTest::keyClick(caras->lineEdit(), Qt::Key_Backspace);
            else
                QTest::keyClick(caras->lineEdit(), key);
        } else if (pick < 60) {
            QComboBox* list = lists[choose() % lists.size()];
            QTest::keyClick(list, listKeys[choose() % listKeys.size()]);
        } else if (pick < 65) {
            QTest::keyClick(caras, choose() % 2 ? Qt::Key_Down : Qt::Key_Up);
        } else if (pick < 80) {
            QTest::mouseClick(tirar, Qt::LeftButton);
            ++rolls;
        } else if (pick < 83) {
            QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
            ++rolls;
        } else if (pick < 90) {
            QTest::mouseClick(personaje, Qt::LeftButton);
        } else if (pick < 95) {
            QTest::keyClick(resultado, choose() % 3 ? Qt::Key_X : Qt::Key_Return);
        } else {
            QTest::keyClick(&window, Qt::Key_Tab);
        }
        QApplication::processEvents();
        if (pick >= 65 && pick < 83 && !resultado->toPlainText().isEmpty())
            ++reports;
        longestList = std::max<long>(longestList, lists[0]->count());
        if (i + 1 == warmUp)
            afterWarmUp = tools::readMemory();
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - began;
    closer.stop();
    const tools::Memory end = tools::readMemory();

    tools::printMemory("after warm-up", afterWarmUp);
    tools::printMemory("end", end);
    std::printf("%ld keystrokes and clicks (%ld on the roll button) in %.2f s\n", actions, rolls,
        seconds.count());
    std::printf(
        "rolls that left a report: %ld; longest minimum list: %ld items\n", reports, longestList);
    std::printf("error reports opened and closed: %ld\n", reportsClosed);

    bool ok = true;
    if (session.program().hasEnded() || !window.isVisible()) {
        std::printf("FAIL: the window did not stay open\n");
        ok = false;
    }
    const long growth = end.residentKiB - afterWarmUp.residentKiB;
    if (growth > allowedGrowthKiB && tools::memoryGrowthMeans("quorlin_window_soak")) {
        std::printf("FAIL: resident memory grew by %ld KiB after the warm-up\n", growth);
        ok = false;
    }
    // The last click ends the program through its button, as the user would.
    QTest::mouseClick(find<QPushButton>(window, "cmdSalir"), Qt::LeftButton);
    if (!session.program().hasEnded()) {
        std::printf("FAIL: Salir did not end the program\n");
        ok = false;
    }
    std::printf("%s\n",
        !ok                                ? "soak FAILED"
            : tools::underAddressSanitizer ? "window alive"
                                           : "memory flat, window alive");
    return ok ? 0 : 1;
}
