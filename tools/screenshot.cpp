// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a picture of the window after the typical use (a d20 against difficulty 12, three
// throws) to the PNG file named on the command line; the README shows it.
#include "tests/support/scriptedrandom.h"
#include "window/frmtirardados.h"
#include "window/start/session.h"
#include "window/start/spanish.h"

#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: quorlin_screenshot FILE.png\n", stderr);
        return 2;
    }
    quorlin::installSpanish(application);
    using quorlin::testing::wordForDraw;
    quorlin::testing::ScriptedRandom random(
        { wordForDraw(7, 20), wordForDraw(15, 20), wordForDraw(12, 20) });
    quorlin::Session session(random);
    session.start();

    // What a user's choice does: the control shows the item, then activated() reaches RollState.
    const auto choose = [&](const char* name, int index) {
        auto* combo = session.window().findChild<QComboBox*>(QLatin1String(name));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    };
    choose("cmbCaras", 5);
    choose("cmbDificultad", 11);
    choose("cmbTiradas", 2);
    session.window().findChild<QPushButton*>(QStringLiteral("cmdTirar"))->click();
    QApplication::processEvents();

    const QPixmap picture = session.window().grab();
    return picture.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
