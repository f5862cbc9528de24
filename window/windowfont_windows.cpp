// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows has no DejaVu: the window's font is built into every program that shows the window
// (Quorlin, its tests, benchmarks and tools), and added as the program's application is built,
// before any widget measures a text. Without it the labels would fall back to a wider font and
// no longer fit their twips.

#include "window/frmtirardados.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

namespace {

void addBuiltInWindowFont()
{
    // A program without a display (an engine test) has no font database to add to.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    const int font
        = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSansCondensed.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(font);
    const QString wanted = quorlin::FrmTirarDados::windowFont().family();
    if (families.isEmpty())
        qWarning("Quorlin: the built-in window font could not be read");
    // DirectWrite files the condensed face under its typographic family, "DejaVu Sans"; being the
    // only face there, it is the one that family gives.
    else if (!families.contains(wanted))
        QFont::insertSubstitution(wanted, families.constFirst());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(addBuiltInWindowFont)
