// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stockwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace quorlin::bench {

void buildStockWindow(QWidget& window)
{
    window.setWindowTitle(QStringLiteral("Qt plain window"));
    window.setFixedSize(179, 258);

    auto* frame = new QGroupBox(QStringLiteral("Configuración del Dado"), &window);
    frame->setGeometry(0, 0, 178, 138);
    const char* captions[]
        = { "&Caras del Dado", "Tirada &Mínima", "&Dificultad", "&Numero tiradas" };
    for (int row = 0; row < 4; ++row) {
        auto* label = new QLabel(QString::fromUtf8(captions[row]), frame);
        label->setGeometry(10, 24 + row * 24, 79, 19);
        auto* combo = new QComboBox(frame);
        combo->setGeometry(113, 21 + row * 24, 46, 19);
        label->setBuddy(combo);
        if (row == 0) {
            combo->setEditable(true);
            for (int faces : { 4, 6, 8, 10, 12, 20, 100 })
                combo->addItem(QString::number(faces));
        } else if (row == 3) {
            for (int throws = 1; throws <= 10; ++throws)
                combo->addItem(QString::number(throws));
        }
    }
    (new QCheckBox(QStringLiteral("Generar personaje"), frame))->setGeometry(12, 120, 130, 13);
    (new QPlainTextEdit(&window))->setGeometry(0, 139, 178, 94);
    (new QPushButton(QStringLiteral("Tirar &Dados"), &window))->setGeometry(0, 235, 88, 22);
    (new QPushButton(QStringLiteral("&Salir"), &window))->setGeometry(89, 235, 90, 22);
}

} // namespace quorlin::bench
